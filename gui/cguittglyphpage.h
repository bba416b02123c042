#pragma once
// One texture of glyph images; glyphs wait in it until the next upload.

#include <SColor.h>
#include <dimension2d.h>
#include <irrArray.h>
#include <irrTypes.h>
#include <path.h>
#include <position2d.h>
#include <rect.h>

namespace irr
{
namespace video
{
class ITexture;
class IVideoDriver;
} // namespace video

namespace gui
{
struct SGUITTGlyph;

//! Owned by its font. Owns its texture: the destructor removes it from the
//! driver (or drops it without a driver). The pending glyphs belong to the font.
class CGUITTGlyphPage
{
public:
    //! Every glyph gets a slot of slotSize, large enough for any glyph of the face.
    CGUITTGlyphPage(video::IVideoDriver* driver, const io::path& name, const core::dimension2du& slotSize);
    ~CGUITTGlyphPage();
    CGUITTGlyphPage(const CGUITTGlyphPage&) = delete;
    CGUITTGlyphPage& operator=(const CGUITTGlyphPage&) = delete;

    //! Creates the texture with mip maps off; false when it exists already
    //! or cannot be created.
    bool createPageTexture(video::ECOLOR_FORMAT format, const core::dimension2du& size);
    //! Copies the pending glyph images into the texture (only when dirty), each
    //! cut to its slot so that the padding of an image paints over no neighbour.
    void uploadGlyphs();
    //! The upper-left corner of slot number slot, row by row.
    core::position2di getSlotPosition(u32 slot) const;
    //! How many slots fit into the texture.
    u32 getSlotCount() const;
    //! The size the texture was made with; the slots are laid out on it.
    const core::dimension2du& getTextureSize() const { return m_textureSize; }
    const core::dimension2du& getSlotSize() const { return m_slotSize; }

    video::ITexture* m_texture;
    u32 m_freeSlots;
    u32 m_usedSlots;
    bool m_dirty;
    core::array<core::position2di> m_renderPositions;
    core::array<core::rect<s32>> m_renderSourceRects;
    core::array<SGUITTGlyph*> m_pendingGlyphs;

private:
    void releaseGlyphImages();

    video::IVideoDriver* m_driver;
    io::path m_name;
    core::dimension2du m_slotSize;
    core::dimension2du m_textureSize;
};
} // namespace gui
} // namespace irr
