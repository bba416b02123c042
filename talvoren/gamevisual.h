#pragma once
// Base of the game's views.

#include "talvoren/ieventlistener.h"

#include <rect.h>

namespace irr
{
namespace scene
{
class ISceneManager;
}
} // namespace irr

namespace Talvoren
{
class GameVisual : public IEventListener
{
public:
    //! ownSceneManager: take a new scene manager of the device's instead of sharing it.
    explicit GameVisual(bool ownSceneManager);
    ~GameVisual() override;

    const char* getName() override { return "Root GameVisualclass"; }
    bool handleEvent(const std::shared_ptr<IEventData>&) override { return false; }
    virtual void onResize() = 0;
    //! The view's drawing for one frame.
    virtual void draw() = 0;

protected:
    //! The device's scene manager, or one of its own that the view drops on destruction.
    irr::scene::ISceneManager* m_sceneManager;
    irr::core::rect<irr::f32> m_area;

private:
    bool m_ownsSceneManager;
};
} // namespace Talvoren
