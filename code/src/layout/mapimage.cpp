#include "code/src/layout/mapimage.h"

#include "platform/pathresolver.h"

#include <IImageLoader.h>
#include <IReadFile.h>
#include <IVideoDriver.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

namespace Belgarune
{
namespace
{
const std::string kPngSignature("\x89PNG\r\n\x1a\n", 8);
// Length, type and CRC around a chunk's data.
const std::size_t kChunkFrame = 12;

std::uint32_t readBigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

// Sides beyond this only cost memory: the grid reads 500 x 500 pixels.
const std::uint32_t kMaxSide = 4096;

// A PNG whose header chunk names sides of 1 to kMaxSide pixels. Anything else
// never reaches a loader: a forged size would make it allocate without bound.
bool isPngOfBoundedSize(const std::string& file)
{
    const std::size_t header = kPngSignature.size();
    if (file.size() < header + 16 || file.compare(0, header, kPngSignature) != 0 ||
        file.compare(header + 4, 4, "IHDR") != 0)
        return false;
    const std::uint32_t width = readBigEndian(file, header + 8);
    const std::uint32_t height = readBigEndian(file, header + 12);
    return width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide;
}

// The PNG file without its gAMA chunks.
std::string withoutGammaChunks(const std::string& file)
{
    std::string kept = kPngSignature;
    std::size_t at = kPngSignature.size();
    while (file.size() - at >= kChunkFrame)
    {
        const std::size_t dataLength = readBigEndian(file, at);
        if (dataLength > file.size() - at - kChunkFrame)
            break;
        if (file.compare(at + 4, 4, "gAMA") != 0)
            kept.append(file, at, kChunkFrame + dataLength);
        at += kChunkFrame + dataLength;
    }
    kept.append(file, at, std::string::npos);
    return kept;
}

// File bytes held in memory. Unlike Irrlicht's own memory file it refuses
// seeks before the start, which the loaders' format probes make on short files.
class BytesReadFile : public irr::io::IReadFile
{
public:
    BytesReadFile(std::string bytes, const irr::io::path& name) : m_bytes(std::move(bytes)), m_name(name) {}

    irr::s32 read(void* buffer, irr::u32 sizeToRead) override
    {
        const std::size_t count = std::min<std::size_t>(sizeToRead, m_bytes.size() - m_position);
        std::memcpy(buffer, m_bytes.data() + m_position, count);
        m_position += count;
        return static_cast<irr::s32>(count);
    }

    bool seek(long finalPos, bool relativeMovement) override
    {
        const long target = relativeMovement ? getPos() + finalPos : finalPos;
        if (target < 0 || target > getSize())
            return false;
        m_position = static_cast<std::size_t>(target);
        return true;
    }

    long getSize() const override { return static_cast<long>(m_bytes.size()); }
    long getPos() const override { return static_cast<long>(m_position); }
    const irr::io::path& getFileName() const override { return m_name; }

private:
    std::string m_bytes;
    std::size_t m_position = 0;
    irr::io::path m_name;
};
// Only the PNG loader: the others would guess the format from the content.
irr::video::IImageLoader* pngLoader(irr::video::IVideoDriver& driver)
{
    for (irr::u32 k = 0; k < driver.getImageLoaderCount(); ++k)
    {
        irr::video::IImageLoader* loader = driver.getImageLoader(k);
        if (loader->isALoadableFileExtension("map.png"))
            return loader;
    }
    return nullptr;
}
} // namespace

irr::video::IImage* loadMapImage(irr::video::IVideoDriver& driver, const std::string& path)
{
    std::ifstream in(platform::resolvePath(path), std::ios::binary);
    if (!in)
        return nullptr;
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return nullptr;

    irr::video::IImageLoader* loader = pngLoader(driver);
    if (!loader || !isPngOfBoundedSize(bytes))
        return nullptr;

    auto* file = new BytesReadFile(withoutGammaChunks(bytes), path.c_str());
    irr::video::IImage* image = loader->loadImage(file);
    file->drop();
    return image;
}
} // namespace Belgarune
