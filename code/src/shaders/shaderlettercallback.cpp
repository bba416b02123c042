#include "code/src/shaders/shaderlettercallback.h"

#include "code/src/shaders/shaderconstants.h"

namespace Belgarune
{
void ShaderLetterCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32)
{
    setTextureUnit(services, "letterTexture", 1);
    setTextureUnit(services, "colorTexture", 2);
    setTransformConstants(services);
    setFloatConstant(services, "brightness", shaderBrightness());
    setFloatConstant(services, "lightRadius", m_lightRadius);
    setColorConstant(services, "playerLight", m_playerLight);
}
} // namespace Belgarune
