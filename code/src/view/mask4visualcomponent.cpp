#include "code/src/view/mask4visualcomponent.h"

#include "code/src/state/gamebase.h"
#include "code/src/view/gametime.h"
#include "code/src/view/maskmotion.h"
#include "code/src/view/masknode.h"
#include "code/src/world/gameactor.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"

#include <IMeshSceneNode.h>

#include <algorithm>

namespace Belgarune
{
bool Mask4VisualComponent::s_triggered = false;
irr::u32 Mask4VisualComponent::s_triggerTime = 0;

namespace
{
const irr::f32 kBuriedDepth = 70.0f;
} // namespace

Mask4VisualComponent::Mask4VisualComponent()
    : m_node(addMaskNode("mask4.x", irr::core::vector3df(0.5f, 0.5f, 0.5f), "QVSistermask.png"))
{
    if (m_node)
        m_node->setVisible(false);
}

void Mask4VisualComponent::wake()
{
    s_triggered = true;
    s_triggerTime = gameTimeMs();
    if (Talvoren::OmbelScriptManager* scripts = g_device->getScriptManager())
    {
        scripts->inject(L"shakeScreen( 0.15, 3000);");
        scripts->inject(L"playMusic( \"gamedata/music/hit9.wav\", 1.0 );");
    }
}

void Mask4VisualComponent::update(GameActor* actor, IDungeonView*)
{
    irr::core::vector3df position = actor->getPosition();
    // The scene starts even when the mask has nothing to show.
    if (!s_triggered && g_gameBase->m_playerPosition.getDistanceFrom(position) < kWakeDistance)
        wake();
    if (!m_node)
        return;
    if (s_triggered)
    {
        m_node->setVisible(true);
        const irr::f64 risen = std::min(1.0, (gameTime() - s_triggerTime) / kRiseMs);
        position.Y = static_cast<irr::f32>(-kBuriedDepth + kBuriedDepth * risen);
    }
    position.Y += bobbing(maskNow(), 1.5f);
    m_node->setRotation(irr::core::vector3df(90.0f, 90.0f, 0.0f));
    m_node->setPosition(position);
}
} // namespace Belgarune
