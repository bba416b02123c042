#pragma once
// Moves a scene node's position along a timing curve.

#include "code/src/commands/nodemoveprocess.h"

namespace Belgarune
{
class MoveSceneNodeProcess : public NodeMoveProcess
{
public:
    //! node is referenced, not owned; null makes the process dead from the start.
    MoveSceneNodeProcess(irr::scene::ISceneNode* node, const irr::core::vector3df& target, std::uint32_t durationMs,
                         std::shared_ptr<FluxCalc> curve, std::int32_t type);

private:
    irr::core::vector3df readPoint() const override;
    void writePoint(const irr::core::vector3df& point) override;

    irr::scene::ISceneNode* m_node;
};
} // namespace Belgarune
