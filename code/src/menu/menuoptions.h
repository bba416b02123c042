#pragma once
// The options page's settings: how Left and Right step them, and their texts.

#include <irrString.h>
#include <irrTypes.h>

namespace Belgarune
{
class GameBase;

//! Rows of the options page, top to bottom.
enum class OptionRow : irr::s32
{
    Volume,
    Brightness,
    FieldOfView,
    Resolution,
    Fullscreen,
    VerticalSync,
    AntiAlias,
};
constexpr irr::s32 kOptionRowCount = 7;

//! What has to follow a step besides writing the settings file.
enum class OptionEffect
{
    MasterVolume,
    FieldOfView,
    //! Takes effect at the next start: the menu shows its notice.
    NeedsRestart,
    None,
};

struct ScreenSize
{
    irr::s32 width;
    irr::s32 height;
    bool operator==(const ScreenSize& other) const { return width == other.width && height == other.height; }
};

//! Direction +1 (Right) or -1 (Left).
OptionEffect stepOption(GameBase& gameBase, OptionRow row, irr::s32 direction);
//! The next (or previous) size of the list; -1 x -1 is the desktop size; a
//! size the list does not know stays.
ScreenSize stepResolution(const ScreenSize& size, irr::s32 direction);
//! Along 0, 1, 2, 4, 8, 16; a level outside that list stays.
irr::s32 stepAntiAlias(irr::s32 level, irr::s32 direction);

const wchar_t* optionLabel(OptionRow row);
irr::core::stringw optionValue(const GameBase& gameBase, OptionRow row);
} // namespace Belgarune
