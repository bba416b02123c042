#include "code/src/level/gametexture.h"

#include "platform/pathresolver.h"

#include <IVideoDriver.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace Belgarune
{
namespace
{
bool isJpegName(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto endsWith = [&path](const std::string& tail) {
        return path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
    };
    return endsWith(".jpg") || endsWith(".jpeg");
}

//! A JPEG file without its end-of-image marker was cut short; the image
//! loader reads past the end of such a file.
bool isCutShortJpeg(const std::string& path)
{
    if (!isJpegName(path))
        return false;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return file.is_open() && bytes.find("\xFF\xD9") == std::string::npos;
}
} // namespace

irr::video::ITexture* loadGameTexture(irr::video::IVideoDriver* driver, const char* file)
{
    if (!file)
        return nullptr;
    const std::string path = platform::resolvePath(std::string(file));
    // The driver files its textures by full path; one already loaded was checked then.
    std::error_code error;
    const std::filesystem::path fullPath = std::filesystem::weakly_canonical(path, error);
    if (!error)
    {
        if (irr::video::ITexture* loaded = driver->findTexture(fullPath.c_str()))
            return loaded;
    }
    return isCutShortJpeg(path) ? nullptr : driver->getTexture(path.c_str());
}
} // namespace Belgarune
