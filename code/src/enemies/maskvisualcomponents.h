#pragma once
// The floating masks of the enemies: each bobs at its actor's place and turns
// towards the actor's heading with a small random wobble.

#include "code/src/view/maskmotion.h"
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
//! The first mask, which drips blood. Its node stays in the scene after the
//! component is gone; without its mesh it has no node and does nothing.
class MaskVisualComponent : public VisualComponent
{
public:
    MaskVisualComponent();
    void update(GameActor* actor, IDungeonView* view) override;
    irr::scene::ISceneNode* getNode() const { return m_node; }

private:
    //! Triggers a blood splash below one of the mask's eyes.
    void drip();

    irr::scene::ISceneNode* m_node;
    MaskWobble m_wobble;
    irr::u32 m_nextDrip;
};

//! The second mask, with a jaw that swings.
class Mask2VisualComponent : public VisualComponent
{
public:
    Mask2VisualComponent();
    void update(GameActor* actor, IDungeonView* view) override;
    irr::scene::ISceneNode* getNode() const { return m_node; }
    irr::scene::ISceneNode* getSecondNode() const { return m_secondNode; }

private:
    irr::scene::ISceneNode* m_node;
    irr::scene::ISceneNode* m_secondNode = nullptr;
    MaskWobble m_wobble;
};

class Mask3VisualComponent : public VisualComponent
{
public:
    Mask3VisualComponent();
    void update(GameActor* actor, IDungeonView* view) override;
    irr::scene::ISceneNode* getNode() const { return m_node; }

private:
    irr::scene::ISceneNode* m_node;
    MaskWobble m_wobble;
};
} // namespace Belgarune
