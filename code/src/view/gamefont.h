#pragma once
// Holder of the game's TrueType font, sized to the window.

#include <irrTypes.h>

namespace irr
{
namespace gui
{
class CGUITTFont;
}
} // namespace irr

namespace Belgarune
{
//! Owns one reference to the font. Must be destroyed (or never reloaded)
//! before the device that made the font goes away.
class GameFont
{
public:
    GameFont();
    ~GameFont();
    GameFont(const GameFont&) = delete;
    GameFont& operator=(const GameFont&) = delete;

    //! Null until the first reload, or when the font could not be made.
    irr::gui::CGUITTFont* getFont() const { return m_font; }
    //! Drops the font held and makes a new one for the device's screen width.
    void reload();
    //! The pixel size for a screen of that width: 55 at 1920, in proportion.
    static irr::u32 getFontSize(irr::u32 screenWidth);
    //! Pixels added between letters at that size: one less per 14 pixels, so
    //! the condensed face sets the menu's widest values clear of the strip.
    static irr::s32 getTracking(irr::u32 size);

private:
    irr::gui::CGUITTFont* m_font;
};

//! The font of the game state's holder; null without a device, a holder or a font.
irr::gui::CGUITTFont* currentGameFont();
} // namespace Belgarune
