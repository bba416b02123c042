#pragma once
// Moves a camera's target along a timing curve.

#include "code/src/commands/nodemoveprocess.h"

namespace irr
{
namespace scene
{
class ICameraSceneNode;
}
} // namespace irr

namespace Belgarune
{
class MoveCameraTargetProcess : public NodeMoveProcess
{
public:
    //! camera is referenced, not owned; null makes the process dead from the start.
    MoveCameraTargetProcess(irr::scene::ICameraSceneNode* camera, const irr::core::vector3df& target,
                            std::uint32_t durationMs, std::shared_ptr<FluxCalc> curve, std::int32_t type);

private:
    irr::core::vector3df readPoint() const override;
    void writePoint(const irr::core::vector3df& point) override;

    irr::scene::ICameraSceneNode* m_camera;
};
} // namespace Belgarune
