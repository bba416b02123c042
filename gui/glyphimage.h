#pragma once
// Turns a FreeType glyph bitmap into an image with the glyph in its alpha.

struct FT_Bitmap_;

namespace irr
{
namespace video
{
class IImage;
class IVideoDriver;
} // namespace video

namespace gui
{
//! A new image (the caller owns the reference), white with the glyph's
//! coverage as alpha, one pixel larger than the bitmap on each axis. Mono
//! bitmaps give a square power-of-two A1R5G5B5 image, gray bitmaps an
//! A8R8G8B8 image sized to what the driver's textures need. Null for other
//! pixel modes.
video::IImage* createImage(const FT_Bitmap_& bitmap, video::IVideoDriver* driver);
} // namespace gui
} // namespace irr
