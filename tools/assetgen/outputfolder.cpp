#include "tools/assetgen/outputfolder.h"

#include <filesystem>
#include <system_error>

namespace assetgen
{
bool makeParentFolder(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::filesystem::create_directories(folder, error);
    return !error && std::filesystem::is_directory(folder, error);
}
} // namespace assetgen
