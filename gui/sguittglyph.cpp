#include "gui/sguittglyph.h"

#include "gui/cguittfont.h"
#include "gui/cguittglyphpage.h"

#include <IImage.h>

namespace irr
{
namespace gui
{
SGUITTGlyph::SGUITTGlyph()
    : m_loaded(false), m_page(0), m_offset(0, 0), m_advance{0, 0}, m_image(nullptr), m_font(nullptr)
{
}

SGUITTGlyph::~SGUITTGlyph()
{
    dropImage();
}

void SGUITTGlyph::load(u32 charIndex, FT_Face face, video::IVideoDriver* driver, u32 fontSize, s32 loadFlags)
{
    if (m_loaded)
        return;
    // Faces are shared between font sizes.
    FT_Set_Pixel_Sizes(face, 0, fontSize);
    if (FT_Load_Glyph(face, charIndex, loadFlags))
        return;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;

    CGUITTGlyphPage* page = m_font->getLastGlyphPage();
    if (!page || page->m_freeSlots == 0)
        page = m_font->createGlyphPage(bitmap.pixel_mode);
    if (!page)
        return;
    video::IImage* image = createImage(bitmap, driver);
    if (!image)
        return;

    m_page = m_font->getLastPageIndex();
    m_advance = slot->advance;
    m_offset = core::vector2di(slot->bitmap_left, slot->bitmap_top);
    // Slots hold the face's largest glyph; one reaching past it anyway is cut.
    const core::position2di corner = page->getSlotPosition(page->m_usedSlots);
    const s32 width = static_cast<s32>(core::min_(bitmap.width, page->getSlotSize().Width));
    const s32 rows = static_cast<s32>(core::min_(bitmap.rows, page->getSlotSize().Height));
    m_sourceRect = core::rect<s32>(corner, core::dimension2di(width, rows));

    page->m_dirty = true;
    ++page->m_usedSlots;
    --page->m_freeSlots;
    m_image = image;
    m_loaded = true;
}

void SGUITTGlyph::unload()
{
    dropImage();
    m_loaded = false;
}

void SGUITTGlyph::dropImage()
{
    if (m_image)
        m_image->drop();
    m_image = nullptr;
}
} // namespace gui
} // namespace irr
