#include "code/src/view/captions.h"

#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "gui/cguittfont.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
irr::u32 alphaByte(irr::f32 alpha)
{
    return static_cast<irr::u32>(alpha * 255.0f);
}

void drawCentred(irr::gui::CGUITTFont& font, const irr::core::stringw& text, const irr::core::rect<irr::s32>& area,
                 irr::u32 alpha, irr::u32 brightness)
{
    font.draw(text, area, irr::video::SColor(alpha, brightness, brightness, brightness), true, true, nullptr);
}

irr::s32 captionTop(const irr::core::dimension2du& screen)
{
    return static_cast<irr::s32>(0.6f * static_cast<irr::f32>(screen.Height));
}
} // namespace

void drawCaption(const irr::core::stringw& text, irr::f32 alpha)
{
    irr::gui::CGUITTFont* font = currentGameFont();
    if (!font)
        return;
    const irr::core::dimension2du screen = g_device->getScreenSize();
    const irr::core::rect<irr::s32> area(0, captionTop(screen), static_cast<irr::s32>(screen.Width),
                                         static_cast<irr::s32>(screen.Height));
    drawCentred(*font, text, area, alphaByte(alpha), 255);
}

void drawCreditLine(const irr::core::stringw& title, const irr::core::stringw& name, irr::f32 alpha)
{
    irr::gui::CGUITTFont* font = currentGameFont();
    if (!font)
        return;
    const irr::core::dimension2du screen = g_device->getScreenSize();
    const irr::s32 lineHeight = static_cast<irr::s32>(font->getDimension(L"A").Height);
    const irr::s32 top = captionTop(screen);
    irr::core::rect<irr::s32> area(0, top, static_cast<irr::s32>(screen.Width), top + lineHeight);
    drawCentred(*font, title, area, alphaByte(alpha), 100);
    area.LowerRightCorner.Y = static_cast<irr::s32>(static_cast<irr::f32>(area.LowerRightCorner.Y) + 1.5f * lineHeight);
    drawCentred(*font, name, area, alphaByte(alpha), 255);
}
} // namespace Belgarune
