// An ini file read and written one key at a time, with the Windows profile functions' semantics:
// section and key names without regard to case, values without surrounding blanks, a missing
// file or key reading as the empty text, and a write that creates what is missing.
#pragma once

#include <memory>
#include <string>

class IProfileFile {
public:
    virtual ~IProfileFile() = default;
    virtual bool Exists() const = 0;
    // At most 259 characters of the value; empty when the file, the section or the key is missing.
    virtual std::wstring ReadString(const std::wstring& section, const std::wstring& key) const = 0;
    // False when the file could not be written; it is then left as it was.
    virtual bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) = 0;
};

// The profile API on Windows; our own reader and writer elsewhere.
std::unique_ptr<IProfileFile> OpenProfileFile(const std::wstring& path);

constexpr std::size_t kProfileValueChars = 260; // the read buffer, terminator included
