#include "code/src/view/timebubble.h"

namespace Belgarune
{
namespace
{
const irr::f32 kWidth = 0.4f;
const irr::f32 kHeight = 0.2f;
const irr::f32 kShaderValue = 0.75f;
const irr::f32 kEdge = 0.1f;
} // namespace

TimeBubbleLook timeBubbleAt(irr::f32 progress)
{
    TimeBubbleLook look;
    if (progress >= 1.0f)
        return look;
    look.visible = true;
    irr::f32 size = progress < kEdge ? progress / kEdge : 1.0f;
    look.shaderValue = kShaderValue;
    if (progress >= 1.0f - kEdge)
    {
        size = 1.0f - (progress - (1.0f - kEdge)) / kEdge;
        look.shaderValue = kShaderValue * size;
    }
    look.scale = irr::core::vector3df(kWidth * size, kHeight, kWidth * size);
    return look;
}
} // namespace Belgarune
