#include "code/src/commands/movescenenodeprocess.h"

#include <ISceneNode.h>

namespace Belgarune
{
MoveSceneNodeProcess::MoveSceneNodeProcess(irr::scene::ISceneNode* node, const irr::core::vector3df& target,
                                           std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve,
                                           std::int32_t type)
    : NodeMoveProcess(node, target, durationMs, std::move(curve), type), m_node(node)
{
}

irr::core::vector3df MoveSceneNodeProcess::readPoint() const
{
    return m_node->getPosition();
}

void MoveSceneNodeProcess::writePoint(const irr::core::vector3df& point)
{
    m_node->setPosition(point);
}
} // namespace Belgarune
