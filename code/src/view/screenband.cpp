#include "code/src/view/screenband.h"

#include <ICameraSceneNode.h>
#include <aabbox3d.h>
#include <matrix4.h>

#include <cmath>

namespace Belgarune
{
irr::core::rect<irr::s32> screenBand(const irr::scene::ICameraSceneNode& camera,
                                     const irr::core::array<irr::scene::ISceneNode*>& nodes,
                                     const irr::core::dimension2du& screen, irr::s32 margin)
{
    irr::core::matrix4 viewProjection = camera.getProjectionMatrix();
    viewProjection *= camera.getViewMatrix();
    const irr::f32 halfWidth = screen.Width * 0.5f;
    const irr::f32 halfHeight = screen.Height * 0.5f;
    const irr::core::rect<irr::s32> whole(0, 0, static_cast<irr::s32>(screen.Width),
                                          static_cast<irr::s32>(screen.Height));

    irr::core::rect<irr::f32> covered;
    bool any = false;
    for (irr::u32 i = 0; i < nodes.size(); ++i)
    {
        irr::core::vector3df corners[8];
        nodes[i]->getTransformedBoundingBox().getEdges(corners);
        for (const irr::core::vector3df& corner : corners)
        {
            irr::f32 clip[4] = {corner.X, corner.Y, corner.Z, 1.0f};
            viewProjection.multiplyWith1x4Matrix(clip);
            // A corner at or behind the eye could land anywhere: cover the screen.
            if (clip[3] <= 0.0f)
                return whole;
            const irr::core::vector2df point(halfWidth + halfWidth * clip[0] / clip[3],
                                             halfHeight - halfHeight * clip[1] / clip[3]);
            if (!any)
                covered = irr::core::rect<irr::f32>(point, point);
            else
                covered.addInternalPoint(point);
            any = true;
        }
    }
    if (!any)
        return irr::core::rect<irr::s32>();
    irr::core::rect<irr::s32> band(static_cast<irr::s32>(std::floor(covered.UpperLeftCorner.X)) - margin,
                                   static_cast<irr::s32>(std::floor(covered.UpperLeftCorner.Y)) - margin,
                                   static_cast<irr::s32>(std::ceil(covered.LowerRightCorner.X)) + margin,
                                   static_cast<irr::s32>(std::ceil(covered.LowerRightCorner.Y)) + margin);
    band.clipAgainst(whole);
    return band;
}
} // namespace Belgarune
