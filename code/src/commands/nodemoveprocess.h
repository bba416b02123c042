#pragma once
// A move of a point of a scene node (its position, or a camera's target) along
// a timing curve.

#include "code/src/commands/curveprocess.h"

#include <vector3d.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
} // namespace irr

namespace Belgarune
{
//! Per component start + (target - start) * t, summed in double.
irr::core::vector3df interpolate(const irr::core::vector3df& start, const irr::core::vector3df& target, double t);

//! Holds a reference to its node (grab/drop), so a node removed from the scene
//! while the move runs stays valid; the move then dies without touching it.
class NodeMoveProcess : public CurveProcess
{
public:
    //! A null node makes the process dead from the start.
    NodeMoveProcess(irr::scene::ISceneNode* node, const irr::core::vector3df& target, std::uint32_t durationMs,
                    std::shared_ptr<FluxCalc> curve, std::int32_t type);
    ~NodeMoveProcess() override;

    void onUpdate(std::uint32_t deltaMs) override;

protected:
    virtual irr::core::vector3df readPoint() const = 0;
    virtual void writePoint(const irr::core::vector3df& point) = 0;

private:
    void takeStart() override;
    void apply(float progress) override;
    //! Still under the root of the scene it was in when the move began.
    bool isInScene() const;

    irr::scene::ISceneNode* m_node;
    //! Only compared, never followed: the scene manager may be gone.
    const irr::scene::ISceneNode* m_sceneRoot = nullptr;
    irr::core::vector3df m_start;
    irr::core::vector3df m_target;
};
} // namespace Belgarune
