#include "code/src/menu/gamestartlogic.h"

#include "code/src/events/stateevents.h"
#include "code/src/level/gametexture.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"

#include <IVideoDriver.h>

#include <algorithm>

namespace Belgarune
{
namespace
{
const char* const kLogoFiles[] = {"gamedata/irr_logo.png", "gamedata/klang_logo.png", "gamedata/tq_logo.png"};

//! Logo index and its window in ms after the start, in drawing order.
struct LogoWindow
{
    irr::u32 index;
    irr::u32 from;
    irr::u32 to;
};
const LogoWindow kLogoWindows[] = {{2, 1000, 3000}, {0, 3000, 5000}, {1, 5000, 7000}};
} // namespace

GameStartLogic::GameStartLogic() : GameVisual(false), m_startTime(0), m_logoMissing{}
{
}

void GameStartLogic::draw()
{
    const irr::u32 now = g_device->getTimeMs();
    if (m_startTime == 0)
        m_startTime = now;
    const irr::u32 t = now - m_startTime;
    for (const LogoWindow& window : kLogoWindows)
        showLogos(window.index, t, window.from, window.to);
    if (t >= kFinishMs)
        finish();
}

irr::s32 GameStartLogic::logoAlpha(irr::u32 t, irr::u32 from, irr::u32 to)
{
    if (t < from || t > to)
        return -1;
    const irr::f32 p = std::clamp(static_cast<irr::f32>(t - from) / static_cast<irr::f32>(to - from), 0.0f, 1.0f);
    irr::f32 alpha = 1.0f;
    if (p < 0.2f)
        alpha = p / 0.2f;
    else if (p > 0.7f)
        alpha = 1.0f - (p - 0.7f) / 0.3f;
    return static_cast<irr::s32>(alpha * 255.0f);
}

void GameStartLogic::showLogos(irr::u32 index, irr::u32 t, irr::u32 from, irr::u32 to)
{
    const irr::s32 alpha = logoAlpha(t, from, to);
    if (alpha < 0 || m_logoMissing[index])
        return;
    irr::video::IVideoDriver* driver = g_device->getVideoDriver();
    irr::video::ITexture* logo = loadGameTexture(driver, kLogoFiles[index]);
    if (!logo)
    {
        m_logoMissing[index] = true;
        return;
    }
    const irr::core::dimension2du size = logo->getOriginalSize();
    const irr::core::dimension2du screen = g_device->getScreenSize();
    const irr::core::position2di place(static_cast<irr::s32>(screen.Width * 0.5 - size.Width * 0.5),
                                       static_cast<irr::s32>(screen.Height * 0.5 - size.Height * 0.5));
    driver->draw2DImage(logo, place, irr::core::rect<irr::s32>(0, 0, size.Width, size.Height), nullptr,
                        irr::video::SColor(static_cast<irr::u32>(alpha), 255, 255, 255), false);
}

void GameStartLogic::finish()
{
    globalTrigger(SetSystemStateEvent(SystemState::Menue));
}
} // namespace Belgarune
