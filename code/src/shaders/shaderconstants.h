#pragma once
// Setters shared by the shader constant callbacks.

#include <SColor.h>
#include <irrTypes.h>

namespace irr
{
namespace video
{
class IMaterialRendererServices;
}
} // namespace irr

namespace Belgarune
{
//! A texture unit, as one integer pixel-shader constant.
void setTextureUnit(irr::video::IMaterialRendererServices* services, const char* name, irr::s32 unit);
//! One float pixel-shader constant.
void setFloatConstant(irr::video::IMaterialRendererServices* services, const char* name, irr::f32 value);
//! Four float pixel-shader constants: red, green, blue, alpha.
void setColorConstant(irr::video::IMaterialRendererServices* services, const char* name,
                      const irr::video::SColorf& color);
//! "mWorldViewProj" (P V W), "mWorldView" (V W) and "mWorld" (W), in that order.
void setTransformConstants(irr::video::IMaterialRendererServices* services);
//! "mWorldViewProj" alone.
void setWorldViewProjection(irr::video::IMaterialRendererServices* services);
//! The device's time in milliseconds (0 without a device).
irr::f32 shaderTimeMs();
//! The bright setting times 0.025.
irr::f32 shaderBrightness();
} // namespace Belgarune
