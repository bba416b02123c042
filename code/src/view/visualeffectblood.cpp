#include "code/src/view/visualeffectblood.h"

#include "code/src/level/levelmaterial.h"
#include "talvoren/ombeldevice.h"

#include <IBillboardSceneNode.h>
#include <ISceneManager.h>

namespace Belgarune
{
namespace
{
const irr::u32 kFallMs = 600;
const char* const kSplashes[] = {"blood1.png", "blood2.png", "blood3.png"};
} // namespace

VisualEffectBlood::VisualEffectBlood(irr::scene::ISceneManager* sceneManager, const irr::core::vector3df& position)
    : m_node(sceneManager->addBillboardSceneNode(nullptr, irr::core::dimension2df(0.4f, 1.5f), position, -1)),
      m_startTime(g_device->getTimeMs()), m_position(position)
{
    setLevelTexture(m_node, 0, kSplashes[Talvoren::OmbelDevice::random(0, 2)]);
    setAllMaterialTypes(m_node, levelMaterialType(g_device->getShaderManager(), "env_alpha"));
}

void VisualEffectBlood::update()
{
    irr::f32 t = static_cast<irr::f32>(g_device->getTimeMs() - m_startTime) / kFallMs;
    if (t >= 1.0f)
    {
        m_finished = true;
        t = 1.0f;
    }
    m_node->setPosition(m_position - irr::core::vector3df(0.0f, m_position.Y * t, 0.0f));
}

void VisualEffectBlood::remove()
{
    m_node->remove();
}
} // namespace Belgarune
