#include "code/src/menu/menuoptions.h"

#include "code/src/state/gamebase.h"

#include <algorithm>
#include <iterator>

namespace Belgarune
{
namespace
{
//! One step of the resolution list; a width of 0 matches any width.
struct ResolutionStep
{
    ScreenSize from;
    ScreenSize to;
};

// The first line whose size matches applies.
const ResolutionStep kResolutionUp[] = {
    {{0, -1}, {1024, 768}},    {{1024, 768}, {1280, 720}},  {{0, 720}, {1280, 1024}}, {{0, 1024}, {1366, 768}},
    {{0, 768}, {1440, 900}},   {{1440, 900}, {1536, 864}},  {{0, 864}, {1600, 900}},  {{0, 900}, {1680, 1050}},
    {{0, 1050}, {1920, 1080}}, {{0, 1080}, {1920, 1200}},   {{0, 1200}, {2560, 1440}},
};
const ResolutionStep kResolutionDown[] = {
    {{0, 1440}, {1920, 1200}}, {{0, 1200}, {1920, 1080}}, {{0, 1080}, {1680, 1050}}, {{0, 1050}, {1600, 900}},
    {{1600, 900}, {1536, 864}}, {{0, 864}, {1440, 900}},  {{0, 900}, {1366, 768}},   {{1366, 768}, {1280, 1024}},
    {{0, 1024}, {1280, 720}},  {{0, 720}, {1024, 768}},   {{0, 768}, {-1, -1}},
};

const irr::s32 kAntiAliasLevels[] = {0, 1, 2, 4, 8, 16};

const wchar_t* const kOptionLabels[kOptionRowCount] = {L"Volume",     L"Brightness", L"FOV",        L"resolution",
                                                       L"Fullscreen", L"VSynch",     L"Antialising"};

bool matches(const ScreenSize& pattern, const ScreenSize& size)
{
    return pattern.height == size.height && (pattern.width == 0 || pattern.width == size.width);
}

irr::s32 stepClamped(irr::s32 value, irr::s32 step, irr::s32 direction, irr::s32 low, irr::s32 high)
{
    return direction > 0 ? std::min(value + step, high) : std::max(value - step, low);
}

const wchar_t* yesNo(bool value)
{
    return value ? L"yes" : L"no";
}
} // namespace

ScreenSize stepResolution(const ScreenSize& size, irr::s32 direction)
{
    const ResolutionStep* first = direction > 0 ? std::begin(kResolutionUp) : std::begin(kResolutionDown);
    const ResolutionStep* last = direction > 0 ? std::end(kResolutionUp) : std::end(kResolutionDown);
    const ResolutionStep* step =
        std::find_if(first, last, [&](const ResolutionStep& candidate) { return matches(candidate.from, size); });
    return step == last ? size : step->to;
}

irr::s32 stepAntiAlias(irr::s32 level, irr::s32 direction)
{
    const irr::s32* first = std::begin(kAntiAliasLevels);
    const irr::s32* last = std::end(kAntiAliasLevels);
    const irr::s32* found = std::find(first, last, level);
    if (found == last)
        return level;
    if (direction > 0)
        return found + 1 == last ? level : *(found + 1);
    return found == first ? level : *(found - 1);
}

OptionEffect stepOption(GameBase& gameBase, OptionRow row, irr::s32 direction)
{
    switch (row)
    {
    case OptionRow::Volume:
        gameBase.m_volume = stepClamped(gameBase.m_volume, 10, direction, 0, 100);
        return OptionEffect::MasterVolume;
    case OptionRow::Brightness:
        gameBase.m_bright = stepClamped(gameBase.m_bright, 1, direction, 0, 10);
        return OptionEffect::None;
    case OptionRow::FieldOfView:
        gameBase.m_fov = stepClamped(gameBase.m_fov, 5, direction, 30, 80);
        return OptionEffect::FieldOfView;
    case OptionRow::Resolution:
    {
        const ScreenSize size = stepResolution({gameBase.m_resX, gameBase.m_resY}, direction);
        gameBase.m_resX = size.width;
        gameBase.m_resY = size.height;
        return OptionEffect::NeedsRestart;
    }
    case OptionRow::Fullscreen:
        gameBase.m_fullscreen = direction > 0;
        return OptionEffect::NeedsRestart;
    case OptionRow::VerticalSync:
        gameBase.m_vsync = direction > 0;
        return OptionEffect::NeedsRestart;
    case OptionRow::AntiAlias:
        gameBase.m_antiAlias = stepAntiAlias(gameBase.m_antiAlias, direction);
        return OptionEffect::NeedsRestart;
    }
    return OptionEffect::None;
}

const wchar_t* optionLabel(OptionRow row)
{
    return kOptionLabels[static_cast<irr::s32>(row)];
}

irr::core::stringw optionValue(const GameBase& gameBase, OptionRow row)
{
    switch (row)
    {
    case OptionRow::Volume:
        return irr::core::stringw(gameBase.m_volume) + L"%";
    case OptionRow::Brightness:
        return irr::core::stringw(gameBase.m_bright);
    case OptionRow::FieldOfView:
        return irr::core::stringw(gameBase.m_fov);
    case OptionRow::Resolution:
        if (gameBase.m_resX == -1)
            return L"desktop";
        return irr::core::stringw(gameBase.m_resX) + L"x" + irr::core::stringw(gameBase.m_resY);
    case OptionRow::Fullscreen:
        return yesNo(gameBase.m_fullscreen);
    case OptionRow::VerticalSync:
        return yesNo(gameBase.m_vsync);
    case OptionRow::AntiAlias:
        return irr::core::stringw(gameBase.m_antiAlias);
    }
    return irr::core::stringw();
}
} // namespace Belgarune
