#pragma once
// One glyph of a TrueType font: where it lies in its page and how it advances.

#include <irrTypes.h>
#include <position2d.h>
#include <rect.h>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace irr
{
namespace video
{
class IImage;
class IVideoDriver;
} // namespace video

namespace gui
{
class CGUITTFont;

//! Owned by its font. Holds a reference to its rendered image until the page
//! has copied it (then m_image is null).
struct SGUITTGlyph
{
    SGUITTGlyph();
    ~SGUITTGlyph();
    SGUITTGlyph(const SGUITTGlyph&) = delete;
    SGUITTGlyph& operator=(const SGUITTGlyph&) = delete;

    //! Renders the glyph and takes a slot of the font's last page (or of a new
    //! page). Does nothing when loaded; stays unloaded when FreeType cannot
    //! render it or no page can take it.
    void load(u32 charIndex, FT_Face face, video::IVideoDriver* driver, u32 fontSize, s32 loadFlags);
    //! A new image (the caller owns the reference), white with the glyph's
    //! coverage as alpha, one pixel larger than the bitmap on each axis. Mono
    //! bitmaps give a square power-of-two A1R5G5B5 image, gray bitmaps an
    //! A8R8G8B8 image sized to what the driver's textures need. Null for other
    //! pixel modes.
    static video::IImage* createImage(const FT_Bitmap& bitmap, video::IVideoDriver* driver);
    //! Back to not loaded: the image is dropped.
    void unload();
    void dropImage();

    bool m_loaded;
    u32 m_page;
    core::rect<s32> m_sourceRect;
    //! FreeType's bitmap left and bitmap top.
    core::vector2di m_offset;
    //! In 1/64 pixel.
    FT_Vector m_advance;
    video::IImage* m_image;
    CGUITTFont* m_font;
};
} // namespace gui
} // namespace irr
