// game.ini files of any content: the reader never crashes, and the settings
// read from it, written in the fixed layout, read back to the same values.

#include "scratchfile.h"
#include "talvoren/gamesettings.h"
#include "talvoren/inifile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace
{
bool sameSettings(const Talvoren::GameSettings& a, const Talvoren::GameSettings& b)
{
    return a.resX == b.resX && a.resY == b.resY && a.fullscreen == b.fullscreen && a.vsync == b.vsync &&
           a.antiAlias == b.antiAlias && a.fov == b.fov && a.bright == b.bright && a.debug == b.debug &&
           a.volume == b.volume;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

// Input: a key to look up, then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string key = input.ConsumeRandomLengthString(32);
    const std::string path = fuzzing::writeScratchFile("game.ini", input.ConsumeRemainingBytesAsString());

    Talvoren::IniFile ini(irr::core::stringw(path.c_str()));
    if (!ini.isLoaded())
        __builtin_trap();
    const irr::core::stringw wideKey(key.c_str());
    if (ini.getString(wideKey).empty() && ini.getInt(wideKey) > 0)
        __builtin_trap();
    ini.getBool(wideKey);

    const Talvoren::GameSettings settings = Talvoren::readGameSettings(ini);
    const Talvoren::IniFile written(linesOf(Talvoren::formatGameSettings(settings)));
    if (!sameSettings(settings, Talvoren::readGameSettings(written)))
        __builtin_trap();
    return 0;
}
