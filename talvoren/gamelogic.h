#pragma once
// Base of everything the device can make its active logic.

#include "talvoren/ieventlistener.h"

#include <IEventReceiver.h>
#include <irrString.h>

namespace Talvoren
{
class GameLogic : public irr::IEventReceiver, public IEventListener
{
public:
    //! Input not consumed by default.
    bool OnEvent(const irr::SEvent&) override { return false; }
    virtual void onConsoleInput(irr::core::stringw) {}
    //! Called by the device when the screen size changed.
    virtual void onResize() {}
    virtual void update() = 0;
    virtual void render() = 0;
    //! Called by the device after the scene has ended.
    virtual void onFrameEnd() {}
    //! One frame: update, then render.
    virtual void frame()
    {
        update();
        render();
    }

    const char* getName() override { return "Root GameLogicclass"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }
};
} // namespace Talvoren
