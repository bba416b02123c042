#include "code/src/view/visualeffectdoordust.h"

#include "code/src/level/levelmaterial.h"
#include "talvoren/ombeldevice.h"

#include <IParticleSystemSceneNode.h>
#include <ISceneManager.h>

#include <iostream>

namespace Belgarune
{
namespace
{
const irr::f32 kLifeMs = 7000.0f;
//! Share of the life after which no more dust is emitted.
const irr::f32 kEmittingShare = 0.2f;
} // namespace

VisualEffectDoorDust::VisualEffectDoorDust(irr::scene::ISceneManager* sceneManager,
                                           const irr::core::vector3df& position)
    : m_node(sceneManager->addParticleSystemSceneNode(false, nullptr, -1)), m_startTime(g_device->getTimeMs()),
      m_position(position)
{
    irr::scene::IParticleEmitter* emitter = m_node->createBoxEmitter(
        irr::core::aabbox3df(-5.0f, 0.0f, -5.0f, 5.0f, 6.0f, 5.0f), irr::core::vector3df(0.0f, -0.0012f, 0.0f), 50,
        100, irr::video::SColor(255, 0, 0, 0), irr::video::SColor(100, 100, 100, 100), 4000, 5000, 60,
        irr::core::dimension2df(2.0f, 2.0f), irr::core::dimension2df(5.0f, 5.0f));
    m_node->setEmitter(emitter);
    emitter->drop();
    m_node->setPosition(position);
    switchLightingOff(m_node);
    m_node->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    m_node->setMaterialFlag(irr::video::EMF_ZWRITE_ENABLE, false);
    setLevelTexture(m_node, 0, "dust1.png");
    irr::scene::IParticleAffector* fade = m_node->createFadeOutParticleAffector(irr::video::SColor(0, 0, 0, 0), 4000);
    m_node->addAffector(fade);
    fade->drop();
}

void VisualEffectDoorDust::update()
{
    const irr::f32 t = static_cast<irr::f32>(g_device->getTimeMs() - m_startTime) / kLifeMs;
    if (t > kEmittingShare)
    {
        if (irr::scene::IParticleEmitter* emitter = m_node->getEmitter())
        {
            emitter->setMaxParticlesPerSecond(0);
            emitter->setMinParticlesPerSecond(0);
        }
    }
    if (t > 1.0f)
        m_finished = true;
}

void VisualEffectDoorDust::remove()
{
    std::cout << "DESTROY DUST" << std::endl;
    m_node->remove();
}
} // namespace Belgarune
