#include "code/src/view/gamefont.h"

#include "code/src/state/gamebase.h"
#include "gui/cguittfont.h"
#include "platform/pathresolver.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
const char* const kFontFile = "gamedata/fonts/Bahiana-Regular.ttf";
} // namespace

GameFont::GameFont() : m_font(nullptr)
{
}

GameFont::~GameFont()
{
    if (m_font)
        m_font->drop();
}

irr::gui::CGUITTFont* currentGameFont()
{
    return g_device && g_gameBase->m_font ? g_gameBase->m_font->getFont() : nullptr;
}

irr::u32 GameFont::getFontSize(irr::u32 screenWidth)
{
    return static_cast<irr::u32>(screenWidth / 1920.0 * 55.0);
}

irr::s32 GameFont::getTracking(irr::u32 size)
{
    return -static_cast<irr::s32>(size / 14);
}

void GameFont::reload()
{
    if (m_font)
        m_font->drop();
    m_font = nullptr;
    if (!g_device)
        return;
    const irr::u32 size = getFontSize(g_device->getScreenSize().Width);
    m_font = irr::gui::CGUITTFont::createTTFont(g_device->getGUIEnvironment(),
                                                platform::resolvePath(std::string(kFontFile)).c_str(), size, true,
                                                true);
    if (m_font)
        m_font->setKerningWidth(getTracking(size));
}
} // namespace Belgarune
