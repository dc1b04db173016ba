#include "description_file.h"

#include <fstream>
#include <iterator>
#include <string>

namespace sensor_standin {

MachineDescription LoadDescription(const std::filesystem::path& folder)
{
    if (folder.empty())
        return {};
    std::ifstream file(folder / kDescriptionFileName, std::ios::binary);
    if (!file)
        return {};
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad())
        return {};
    return ParseMachineDescription(text);
}

}  // namespace sensor_standin
