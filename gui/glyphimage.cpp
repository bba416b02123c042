// SGUITTGlyph::createImage: glyph bitmaps turned into images.

#include "gui/sguittglyph.h"

#include <IImage.h>
#include <IVideoDriver.h>

namespace irr
{
namespace gui
{
namespace
{
const video::SColor kClearWhite(0, 255, 255, 255);

const u8* bitmapRow(const FT_Bitmap& bitmap, u32 y)
{
    return bitmap.buffer + static_cast<s32>(y) * bitmap.pitch;
}

video::IImage* createMonoImage(const FT_Bitmap& bitmap, video::IVideoDriver* driver,
                               const core::dimension2du& size)
{
    video::IImage* image = driver->createImage(video::ECF_A1R5G5B5, size.getOptimalSize(true, true));
    image->fill(kClearWhite);
    u8* data = static_cast<u8*>(image->lock());
    const u32 pitch = image->getPitch();
    for (u32 y = 0; y < bitmap.rows; ++y)
    {
        const u8* row = bitmapRow(bitmap, y);
        u16* pixels = reinterpret_cast<u16*>(data + y * pitch);
        for (u32 x = 0; x < bitmap.width; ++x)
            if (row[x / 8] & (0x80 >> (x % 8)))
                pixels[x] = 0xFFFF;
    }
    image->unlock();
    return image;
}

video::IImage* createGrayImage(const FT_Bitmap& bitmap, video::IVideoDriver* driver,
                               const core::dimension2du& size)
{
    const bool powerOfTwo = !driver->queryFeature(video::EVDF_TEXTURE_NPOT);
    const bool square = !driver->queryFeature(video::EVDF_TEXTURE_NSQUARE);
    video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, size.getOptimalSize(powerOfTwo, square));
    image->fill(kClearWhite);
    u8* data = static_cast<u8*>(image->lock());
    const u32 pitch = image->getPitch();
    const float grays = static_cast<float>(bitmap.num_grays);
    for (u32 y = 0; y < bitmap.rows; ++y)
    {
        const u8* row = bitmapRow(bitmap, y);
        u32* pixels = reinterpret_cast<u32*>(data + y * pitch);
        for (u32 x = 0; x < bitmap.width; ++x)
        {
            const u32 alpha = static_cast<u32>(row[x] / grays * 255.0f);
            pixels[x] = (alpha << 24) | 0x00FFFFFF;
        }
    }
    image->unlock();
    return image;
}
} // namespace

video::IImage* SGUITTGlyph::createImage(const FT_Bitmap& bitmap, video::IVideoDriver* driver)
{
    const core::dimension2du size(bitmap.width + 1, bitmap.rows + 1);
    switch (bitmap.pixel_mode)
    {
    case FT_PIXEL_MODE_MONO:
        return createMonoImage(bitmap, driver, size);
    case FT_PIXEL_MODE_GRAY:
        return createGrayImage(bitmap, driver, size);
    default:
        return nullptr;
    }
}
} // namespace gui
} // namespace irr
