#include "code/src/enemies/maskvisualcomponents.h"

#include "code/src/events/viewevents.h"
#include "code/src/view/masknode.h"
#include "code/src/view/visualeffects.h"
#include "code/src/world/gameactor.h"
#include "talvoren/ieventmanager.h"
#include "talvoren/ombeldevice.h"

#include <IMeshSceneNode.h>

namespace Belgarune
{
namespace
{
//! How a mask's pose follows its actor.
struct MaskPose
{
    irr::f32 pitchOffset;
    irr::f32 yawOffset;
    irr::f32 bobAmplitude;
    irr::f32 bobLift;
};

const MaskPose kFirstMaskPose{90.0f, 90.0f, 1.5f, 0.0f};
const MaskPose kOtherMaskPose{0.0f, 180.0f, 1.25f, 2.0f};

void floatMask(irr::scene::ISceneNode* node, MaskWobble& wobble, const GameActor& actor, const MaskPose& pose)
{
    const irr::u32 now = maskNow();
    const irr::f32 gameDelta = maskGameDelta();
    irr::core::vector3df position = actor.getPosition();
    const irr::f32 wobbleOffset = wobble.update(now, gameDelta);
    irr::core::vector3df rotation = actor.getRotation().getHorizontalAngle();
    rotation.X += pose.pitchOffset;
    rotation.Y += pose.yawOffset - 0.5f * wobbleOffset;
    position.Y += bobbing(now, pose.bobAmplitude) + pose.bobLift;
    placeMask(node, rotation, position, gameDelta);
}

irr::u32 nextDripTime(irr::u32 now, irr::s32 minWait, irr::s32 maxWait)
{
    return now + static_cast<irr::u32>(Talvoren::OmbelDevice::random(minWait, maxWait));
}
} // namespace

MaskVisualComponent::MaskVisualComponent()
    : m_node(addMaskNode("mask1.x", irr::core::vector3df(0.2f, 0.2f, 0.2f), "QVMask1_cm.png")),
      m_nextDrip(nextDripTime(maskNow(), 1000, 3000))
{
}

void MaskVisualComponent::update(GameActor* actor, IDungeonView*)
{
    if (!m_node)
        return;
    floatMask(m_node, m_wobble, *actor, kFirstMaskPose);
    const irr::u32 now = maskNow();
    if (now > m_nextDrip)
    {
        m_nextDrip = nextDripTime(now, 250, 1500);
        drip();
    }
}

void MaskVisualComponent::drip()
{
    irr::core::vector3df eye(2.0f, 4.0f, Talvoren::OmbelDevice::random(0, 1) == 0 ? -6.0f : 6.0f);
    m_node->updateAbsolutePosition();
    m_node->getAbsoluteTransformation().transformVect(eye);
    if (IEventManager* events = IEventManager::get())
        events->trigger(CreateVisualEffectEvent(static_cast<irr::s32>(EffectKind::Blood), eye));
}

Mask2VisualComponent::Mask2VisualComponent()
    : m_node(addMaskNode("mask2.x", irr::core::vector3df(0.1f, 0.1f, 0.17f), "QVMask2B_cm.png"))
{
    if (!m_node)
        return;
    m_secondNode = addMaskNode("mask2_m.x", irr::core::vector3df(2.0f, 2.0f, 2.0f), "QVMask2B_cm.png");
    if (!m_secondNode)
        return;
    m_secondNode->setPosition(irr::core::vector3df(10.0f, 0.0f, -15.0f));
    m_secondNode->setParent(m_node);
}

void Mask2VisualComponent::update(GameActor* actor, IDungeonView*)
{
    if (!m_node)
        return;
    floatMask(m_node, m_wobble, *actor, kOtherMaskPose);
    if (m_secondNode)
        m_secondNode->setRotation(irr::core::vector3df(30.0f * bobbing(maskNow(), 1.0f) - 30.0f, 0.0f, 0.0f));
}

Mask3VisualComponent::Mask3VisualComponent()
    : m_node(addMaskNode("mask3.x", irr::core::vector3df(0.1f, 0.1f, 0.1f), "QVMask3_cm.png"))
{
    if (m_node)
        m_node->setMaterialFlag(irr::video::EMF_BACK_FACE_CULLING, false);
}

void Mask3VisualComponent::update(GameActor* actor, IDungeonView*)
{
    if (m_node)
        floatMask(m_node, m_wobble, *actor, kOtherMaskPose);
}
} // namespace Belgarune
