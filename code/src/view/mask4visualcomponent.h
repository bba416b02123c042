#pragma once
// The sister's mask: hidden until the hero first comes close, then it rises
// out of the floor with a shake and a sound. Once risen it stays risen for
// the rest of the run, for every sister mask and every new game.

#include "code/src/world/visualcomponent.h"

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
} // namespace irr

namespace Belgarune
{
class Mask4VisualComponent : public VisualComponent
{
public:
    //! The hero wakes the mask when closer than this.
    static constexpr irr::f32 kWakeDistance = 60.0f;
    static constexpr irr::u32 kRiseMs = 3000;

    Mask4VisualComponent();
    void update(GameActor* actor, IDungeonView* view) override;
    irr::scene::ISceneNode* getNode() const { return m_node; }

private:
    //! Sets the run-wide trigger and starts the shake and the sound.
    static void wake();

    irr::scene::ISceneNode* m_node;
    static bool s_triggered;
    //! Game time in whole ms when the mask woke.
    static irr::u32 s_triggerTime;
};
} // namespace Belgarune
