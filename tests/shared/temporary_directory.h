// A fresh directory for a test's files.
#pragma once

#include <string>

// A fresh directory under the system's temporary folder, removed with everything in it at the end.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};
