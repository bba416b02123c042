#include "tools/assetgen/imagewriter.h"

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/outputfolder.h"

#include <irrlicht.h>

#include <algorithm>

namespace assetgen
{
namespace
{
irr::u32 channel(float value) { return static_cast<irr::u32>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f); }

constexpr irr::u32 kJpegQuality = 92;

irr::IrrlichtDevice* createQuietNullDevice()
{
    irr::SIrrlichtCreationParameters parameters;
    parameters.DriverType = irr::video::EDT_NULL;
    parameters.LoggingLevel = irr::ELL_NONE;
    return irr::createDeviceEx(parameters);
}
} // namespace

ImageWriter::ImageWriter()
    : m_device(createQuietNullDevice())
{
}

ImageWriter::~ImageWriter() { m_device->drop(); }

bool ImageWriter::write(const Canvas& canvas, const std::string& path, PixelFormat format) const
{
    if (!makeParentFolder(path))
        return false;
    irr::video::IVideoDriver* driver = m_device->getVideoDriver();
    const irr::video::ECOLOR_FORMAT colourFormat =
        format == PixelFormat::WithAlpha ? irr::video::ECF_A8R8G8B8 : irr::video::ECF_R8G8B8;
    irr::video::IImage* image = driver->createImage(
        colourFormat, irr::core::dimension2d<irr::u32>(canvas.width(), canvas.height()));
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
        {
            const Colour& c = canvas.at(x, y);
            const irr::u32 alpha = format == PixelFormat::WithAlpha ? channel(c.a) : 255;
            image->setPixel(x, y, irr::video::SColor(alpha, channel(c.r), channel(c.g), channel(c.b)));
        }
    const bool written = driver->writeImageToFile(image, path.c_str(), kJpegQuality);
    image->drop();
    return written;
}
} // namespace assetgen
