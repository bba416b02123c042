#include "gui/cguittglyphpage.h"

#include "gui/sguittglyph.h"

#include <IImage.h>
#include <ITexture.h>
#include <IVideoDriver.h>

namespace irr
{
namespace gui
{
CGUITTGlyphPage::CGUITTGlyphPage(video::IVideoDriver* driver, const io::path& name,
                                 const core::dimension2du& slotSize)
    : m_texture(nullptr), m_freeSlots(0), m_usedSlots(0), m_dirty(false), m_driver(driver), m_name(name),
      m_slotSize(slotSize)
{
}

CGUITTGlyphPage::~CGUITTGlyphPage()
{
    if (!m_texture)
        return;
    if (m_driver)
        m_driver->removeTexture(m_texture);
    else
        m_texture->drop();
}

bool CGUITTGlyphPage::createPageTexture(video::ECOLOR_FORMAT format, const core::dimension2du& size)
{
    if (m_texture)
        return false;
    const bool mipMaps = m_driver->getTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS);
    m_driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, false);
    m_texture = m_driver->addTexture(size, m_name, format);
    m_driver->setTextureCreationFlag(video::ETCF_CREATE_MIP_MAPS, mipMaps);
    if (m_texture)
        m_textureSize = size;
    return m_texture != nullptr;
}

core::position2di CGUITTGlyphPage::getSlotPosition(u32 slot) const
{
    const u32 perRow = m_textureSize.Width / m_slotSize.Width;
    return core::position2di(static_cast<s32>((slot % perRow) * m_slotSize.Width),
                             static_cast<s32>((slot / perRow) * m_slotSize.Height));
}

u32 CGUITTGlyphPage::getSlotCount() const
{
    return (m_textureSize.Width / m_slotSize.Width) * (m_textureSize.Height / m_slotSize.Height);
}

void CGUITTGlyphPage::uploadGlyphs()
{
    if (!m_dirty)
        return;
    // A texture that cannot be locked (the null driver's) keeps nothing to draw.
    void* pixels = m_texture->lock();
    if (pixels)
    {
        video::IImage* target = m_driver->createImageFromData(m_texture->getColorFormat(), m_texture->getSize(),
                                                              pixels, true, false);
        for (u32 i = 0; i < m_pendingGlyphs.size(); ++i)
        {
            const SGUITTGlyph* glyph = m_pendingGlyphs[i];
            const core::dimension2du imageSize = glyph->m_image->getDimension();
            const core::rect<s32> part(0, 0, static_cast<s32>(core::min_(imageSize.Width, m_slotSize.Width)),
                                       static_cast<s32>(core::min_(imageSize.Height, m_slotSize.Height)));
            glyph->m_image->copyTo(target, glyph->m_sourceRect.UpperLeftCorner, part);
        }
        target->drop();
        m_texture->unlock();
    }
    releaseGlyphImages();
    m_pendingGlyphs.clear();
    m_dirty = false;
}

void CGUITTGlyphPage::releaseGlyphImages()
{
    for (u32 i = 0; i < m_pendingGlyphs.size(); ++i)
        m_pendingGlyphs[i]->dropImage();
}
} // namespace gui
} // namespace irr
