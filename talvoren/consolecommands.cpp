#include "talvoren/consolecommands.h"

#include "talvoren/consolelogic.h"
#include "talvoren/eventmanager.h"
#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/stringhelpers.h"

#include <irrlicht.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace Talvoren
{
namespace
{
const wchar_t* const kPrompt = L"ombel ";
const char* const kEventLogFile = "Eventlog.txt";

struct DriverFeature
{
    const wchar_t* name;
    irr::video::E_VIDEO_DRIVER_FEATURE feature;
};

const DriverFeature kDriverFeatures[] = {
    {L"RENDER_TO_TARGET", irr::video::EVDF_RENDER_TO_TARGET},
    {L"HARDWARE_TRANSFORM_LIGHTING", irr::video::EVDF_HARDWARE_TL},
    {L"MATERIAL_MULTITEXTURE", irr::video::EVDF_MULTITEXTURE},
    {L"BILINEAR_FILTER", irr::video::EVDF_BILINEAR_FILTER},
    {L"MIP_MAP", irr::video::EVDF_MIP_MAP},
    {L"MIP_MAP_AUTO_UPDATE", irr::video::EVDF_MIP_MAP_AUTO_UPDATE},
    {L"STENCIL_BUFFER", irr::video::EVDF_STENCIL_BUFFER},
    {L"VERTEX_SHADER_1_1", irr::video::EVDF_VERTEX_SHADER_1_1},
    {L"VERTEX_SHADER_2_0", irr::video::EVDF_VERTEX_SHADER_2_0},
    {L"VERTEX_SHADER_3_0", irr::video::EVDF_VERTEX_SHADER_3_0},
    {L"PIXEL_SHADER_1_1", irr::video::EVDF_PIXEL_SHADER_1_1},
    {L"PIXEL_SHADER_1_2", irr::video::EVDF_PIXEL_SHADER_1_2},
    {L"PIXEL_SHADER_1_3", irr::video::EVDF_PIXEL_SHADER_1_3},
    {L"PIXEL_SHADER_1_4", irr::video::EVDF_PIXEL_SHADER_1_4},
    {L"PIXEL_SHADER_2_0", irr::video::EVDF_PIXEL_SHADER_2_0},
    {L"PIXEL_SHADER_3_0", irr::video::EVDF_PIXEL_SHADER_3_0},
    {L"GLSL", irr::video::EVDF_ARB_GLSL},
    {L"HLSL", irr::video::EVDF_HLSL},
    {L"TEXTURE_NSQUARE", irr::video::EVDF_TEXTURE_NSQUARE},
    {L"TEXTURE_NPOT", irr::video::EVDF_TEXTURE_NPOT},
    {L"FRAMEBUFFER_OBJECT", irr::video::EVDF_FRAMEBUFFER_OBJECT},
    {L"VERTEX_BUFFER_OBJECT", irr::video::EVDF_VERTEX_BUFFER_OBJECT},
    {L"ALPHA_TO_COVERAGE", irr::video::EVDF_ALPHA_TO_COVERAGE},
    {L"MULTIPLE_RENDER_TARGETS", irr::video::EVDF_MULTIPLE_RENDER_TARGETS},
    {L"GEOMETRY_SHADER", irr::video::EVDF_GEOMETRY_SHADER},
    {L"OCCLUSION_QUERY", irr::video::EVDF_OCCLUSION_QUERY},
    {L"BLEND_OPERATIONS", irr::video::EVDF_BLEND_OPERATIONS},
};

const irr::core::stringw& starLine()
{
    static const irr::core::stringw line(std::wstring(38, L'*').c_str());
    return line;
}

std::wstring wordAt(const std::vector<std::wstring>& words, size_t index)
{
    return index < words.size() ? words[index] : std::wstring();
}

void showDriverFeatures(OmbelDevice& device)
{
    device.log(starLine(), kLogMark, true);
    irr::video::IVideoDriver* driver = device.getVideoDriver();
    for (const DriverFeature& entry : kDriverFeatures)
    {
        const bool available = driver && driver->queryFeature(entry.feature);
        device.log(irr::core::stringw(entry.name) + L": " + (available ? L"true" : L"false"), kLogSecondary, true);
    }
    device.log(starLine(), kLogMark, true);
}

void showHelp(OmbelDevice& device)
{
    device.log(starLine(), kLogMark, true);
    for (int text : {13, 14, 15, 12})
        device.log(device.getText(text), kLogSecondary, true);
    device.log(starLine(), kLogMark, true);
}

void setTimerSpeed(OmbelDevice& device, const std::wstring& argument)
{
    if (argument.empty())
    {
        device.log(device.getText(4), kLogError, false);
        return;
    }
    // A backward or endless timer would wrap the unsigned frame times; above
    // the cap frames last hours and the timer soon leaves its own integer range.
    constexpr irr::f64 kMaxTimerSpeed = 100.0;
    const irr::f64 factor = toDouble(argument, 4);
    const bool usable = factor > 0.0 && std::isfinite(factor);
    const irr::f32 speed = usable ? static_cast<irr::f32>(std::min(factor, kMaxTimerSpeed)) : 0.0f;
    if (device.getIrrlichtDevice())
        device.getIrrlichtDevice()->getTimer()->setSpeed(speed);
}

void switchEventLog(OmbelDevice& device, const std::wstring& argument)
{
    const std::shared_ptr<EventManager> events = device.getEventManager();
    ConsoleLogic* console = device.getConsole();
    if (argument == L"on" || argument == L"off")
    {
        const bool on = argument == L"on";
        events->setLogEvents(on);
        if (console)
            console->setEventLogging(on);
    }
    else if (argument == L"save")
    {
        events->saveEventLog(kEventLogFile);
    }
    else if (argument == L"load")
    {
        events->loadEventLog(kEventLogFile);
    }
}
} // namespace

bool isEngineCommand(const irr::core::stringw& line)
{
    return line.equalsn(kPrompt, 6);
}

void runEngineCommand(OmbelDevice& device, const irr::core::stringw& line)
{
    const std::vector<std::wstring> words = split(std::wstring(line.c_str()));
    const std::wstring command = wordAt(words, 1);
    const std::wstring argument = wordAt(words, 2);
    if (command == L"driver")
        showDriverFeatures(device);
    else if (command == L"help")
        showHelp(device);
    else if (command == L"fps")
        device.setShowFps(!device.isShowFps());
    else if (command == L"speed")
        setTimerSpeed(device, argument);
    else if (command == L"log")
        switchEventLog(device, argument);
    else // the typed word is data: logged as it stands, never used as a format
        device.log(device.getText(9) + L": " + command.c_str(), kLogError, false);
}
} // namespace Talvoren
