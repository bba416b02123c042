#pragma once
// The start-up splash: three logos fade in and out, then the title menu is asked for.

#include "talvoren/gamelogic.h"
#include "talvoren/gamevisual.h"

#include <irrTypes.h>

#include <array>

namespace Belgarune
{
//! Owned by the dungeon logic, which draws it while the system state is START.
class GameStartLogic : public Talvoren::GameLogic, Talvoren::GameVisual
{
public:
    GameStartLogic();

    //! The hand-over to the menu, in ms after the splash began.
    static constexpr irr::u32 kFinishMs = 7500;

    // GameLogic: the splash takes no input and has no frame work of its own.
    void update() override {}
    void render() override {}

    // Both listener bases.
    const char* getName() override { return "Root GameStartLogic"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }

    // GameVisual.
    void onResize() override {}
    //! One frame: the logos of the moment; from kFinishMs on, finish.
    void draw() override;

    //! Draws logo index when t lies in [from, to].
    void showLogos(irr::u32 index, irr::u32 t, irr::u32 from, irr::u32 to);
    //! The next draw begins the splash again.
    void restart() { m_startTime = 0; }
    //! Asks for the title menu (SetSystemStateEvent MENUE).
    void finish();

    //! A logo's opacity at t in its window [from, to]: fades in over the first
    //! fifth, out over the last three tenths; -1 outside the window.
    static irr::s32 logoAlpha(irr::u32 t, irr::u32 from, irr::u32 to);

private:
    //! Device time when the splash began; 0 = not begun.
    irr::u32 m_startTime;
    //! By logo index: its file was tried and could not be loaded, so it is not tried again.
    std::array<bool, 3> m_logoMissing;
};
} // namespace Belgarune
