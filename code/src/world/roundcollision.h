#pragma once
// A circular obstacle on the grid's plane.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct RoundCollision
{
    RoundCollision(const irr::core::vector3df& centrePoint, irr::f32 obstacleRadius)
        : centre(centrePoint), radius(obstacleRadius)
    {
    }

    irr::core::vector3df centre;
    irr::f32 radius;
};
} // namespace Belgarune
