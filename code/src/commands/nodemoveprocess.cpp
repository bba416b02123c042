#include "code/src/commands/nodemoveprocess.h"

#include <ISceneManager.h>
#include <ISceneNode.h>

namespace Belgarune
{
irr::core::vector3df interpolate(const irr::core::vector3df& start, const irr::core::vector3df& target, double t)
{
    const auto along = [t](irr::f32 from, irr::f32 to) {
        return static_cast<irr::f32>(static_cast<double>(from) +
                                     (static_cast<double>(to) - static_cast<double>(from)) * t);
    };
    return {along(start.X, target.X), along(start.Y, target.Y), along(start.Z, target.Z)};
}

NodeMoveProcess::NodeMoveProcess(irr::scene::ISceneNode* node, const irr::core::vector3df& target,
                                 std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve, std::int32_t type)
    : CurveProcess(durationMs, std::move(curve), type), m_node(node), m_target(target)
{
    if (!m_node)
    {
        kill();
        return;
    }
    m_node->grab();
    if (irr::scene::ISceneManager* scene = m_node->getSceneManager())
        m_sceneRoot = scene->getRootSceneNode();
}

NodeMoveProcess::~NodeMoveProcess()
{
    if (m_node)
        m_node->drop();
}

void NodeMoveProcess::onUpdate(std::uint32_t deltaMs)
{
    if (!isInScene())
    {
        kill();
        return;
    }
    CurveProcess::onUpdate(deltaMs);
}

void NodeMoveProcess::takeStart()
{
    m_start = readPoint();
}

void NodeMoveProcess::apply(float progress)
{
    writePoint(interpolate(m_start, m_target, progress));
}

bool NodeMoveProcess::isInScene() const
{
    // Parents are not grabbed by their children, but a deleted parent unlinks
    // its children first, so every link on the way up is live.
    for (const irr::scene::ISceneNode* node = m_node; node; node = node->getParent())
    {
        if (node == m_sceneRoot)
            return true;
    }
    return false;
}
} // namespace Belgarune
