#pragma once
// The nine settings of game.ini: reading them and writing the file back.

#include <irrTypes.h>

#include <string>

namespace Talvoren
{
class IniFile;

//! Values as read: a missing integer is -1, a missing boolean false.
struct GameSettings
{
    irr::s32 resX = -1;
    irr::s32 resY = -1;
    bool fullscreen = false;
    bool vsync = false;
    irr::s32 antiAlias = -1;
    irr::s32 fov = -1;
    irr::s32 bright = -1;
    bool debug = false;
    irr::s32 volume = -1;
};

//! Reads the nine keys in start-up's order: resx, resy, vsynch, fullscreen,
//! aa, volume, fov, bright, debug.
GameSettings readGameSettings(const IniFile& ini);

//! The fixed 15-line layout of game.ini.
std::string formatGameSettings(const GameSettings& settings);

//! Writes the layout to a temporary file beside the file (a link's target)
//! and renames it over that file, with the file's mode, only when the whole
//! text was written. A file that cannot be opened for update (a missing one
//! included) is left alone. Any failure keeps the old file; the caller reports it.
//! Returns whether the file was replaced.
bool writeGameSettings(const std::string& path, const GameSettings& settings);
} // namespace Talvoren
