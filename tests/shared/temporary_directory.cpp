#include "temporary_directory.h"

#include <filesystem>
#include <random>

TemporaryDirectory::TemporaryDirectory()
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const auto candidate = base / ("zelvane-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error))
            m_path = candidate.string();
    }
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, ignored);
}
