#include "talvoren/gamesettings.h"

#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "talvoren/inifile.h"

#include <cstdio>
#include <filesystem>
#include <locale>
#include <sstream>

namespace Talvoren
{
GameSettings readGameSettings(const IniFile& ini)
{
    GameSettings settings;
    settings.resX = ini.getInt(L"resx");
    settings.resY = ini.getInt(L"resy");
    settings.vsync = ini.getBool(L"vsynch");
    settings.fullscreen = ini.getBool(L"fullscreen");
    settings.antiAlias = ini.getInt(L"aa");
    settings.volume = ini.getInt(L"volume");
    settings.fov = ini.getInt(L"fov");
    settings.bright = ini.getInt(L"bright");
    settings.debug = ini.getBool(L"debug");
    return settings;
}

std::string formatGameSettings(const GameSettings& settings)
{
    auto flag = [](bool value) { return value ? "true" : "false"; };
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << "[graphics]\n"
         << "#set to -1 for screen resolution\n"
         << "resx=" << settings.resX << "\n"
         << "resy=" << settings.resY << "\n"
         << "fullscreen=" << flag(settings.fullscreen) << "\n"
         << "vsynch=" << flag(settings.vsync) << "\n"
         << "aa=" << settings.antiAlias << "\n"
         << "fov=" << settings.fov << "\n"
         << "bright=" << settings.bright << "\n"
         << "\n"
         << "[game]\n"
         << "debug=" << flag(settings.debug) << "\n"
         << "\n"
         << "[sound]\n"
         << "volume=" << settings.volume << "\n";
    return text.str();
}

namespace
{
//! Replaces the file at target by the text through a temporary file beside it.
bool replaceSettingsFile(const std::string& target, const std::string& text)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::perms mode = fs::status(target, error).permissions();
    const std::string temporary = target + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file != nullptr;
    if (file)
    {
        // The new file takes the old one's mode before it holds anything.
        fs::permissions(temporary, mode, error);
        written = !error && std::fwrite(text.data(), 1, text.size(), file) == text.size();
        written = (std::fclose(file) == 0) && written;
    }
    if (written && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

//! An existing settings file that can be opened for update, followed through links.
bool openableSettingsFile(const std::string& path, std::string& target)
{
    std::error_code error;
    target = std::filesystem::canonical(platform::resolvePath(path), error).string();
    if (error)
        return false;
    std::FILE* existing = std::fopen(target.c_str(), "r+b");
    if (!existing)
        return false;
    std::fclose(existing);
    return true;
}
} // namespace

bool writeGameSettings(const std::string& path, const GameSettings& settings)
{
    // A linked settings file is replaced at its target, so the link stays a link.
    std::string target;
    return openableSettingsFile(path, target) && replaceSettingsFile(target, formatGameSettings(settings));
}
} // namespace Talvoren
