// A settings file held in memory for tests: remembers each write in order, and can be told to fail.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/profile_file.h"

class FakeProfileFile final : public IProfileFile {
public:
    std::vector<std::wstring> writes; // "SECTION/key=value", in order
    std::map<std::wstring, std::wstring> values;
    bool failWrites = false;

    bool Exists() const override { return !values.empty(); }
    std::wstring ReadString(const std::wstring& section, const std::wstring& key) const override
    {
        const auto found = values.find(section + L"/" + key);
        return found == values.end() ? std::wstring() : found->second;
    }
    bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) override
    {
        writes.push_back(section + L"/" + key + L"=" + value);
        if (failWrites)
            return false;
        values[section + L"/" + key] = value;
        return true;
    }
};
