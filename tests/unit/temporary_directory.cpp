#include "temporary_directory.h"

#include <cstdlib>
#include <filesystem>

TemporaryDirectory::TemporaryDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zelvane-XXXXXX").string();
    m_path = mkdtemp(pattern.data()) ? pattern : std::string();
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}
