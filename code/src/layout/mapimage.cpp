#include "code/src/layout/mapimage.h"

#include "platform/pathresolver.h"

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

// The file without its gAMA chunks; anything that is not a PNG chunk stream is
// kept as it is and left to the loaders to judge.
std::string withoutGammaChunks(const std::string& file)
{
    if (file.compare(0, kPngSignature.size(), kPngSignature) != 0)
        return file;
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
} // namespace

irr::video::IImage* loadMapImage(irr::video::IVideoDriver& driver, const std::string& path)
{
    std::ifstream in(platform::resolvePath(path), std::ios::binary);
    if (!in)
        return nullptr;
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return nullptr;

    auto* file = new BytesReadFile(withoutGammaChunks(bytes), path.c_str());
    irr::video::IImage* image = driver.createImageFromFile(file);
    file->drop();
    return image;
}
} // namespace Belgarune
