#include "code/src/commands/movecameratargetprocess.h"

#include <ICameraSceneNode.h>

namespace Belgarune
{
MoveCameraTargetProcess::MoveCameraTargetProcess(irr::scene::ICameraSceneNode* camera,
                                                 const irr::core::vector3df& target, std::uint32_t durationMs,
                                                 std::shared_ptr<FluxCalc> curve, std::int32_t type)
    : NodeMoveProcess(camera, target, durationMs, std::move(curve), type), m_camera(camera)
{
}

irr::core::vector3df MoveCameraTargetProcess::readPoint() const
{
    return m_camera->getTarget();
}

void MoveCameraTargetProcess::writePoint(const irr::core::vector3df& point)
{
    m_camera->setTarget(point);
}
} // namespace Belgarune
