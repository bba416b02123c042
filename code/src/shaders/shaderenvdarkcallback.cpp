#include "code/src/shaders/shaderenvdarkcallback.h"

#include "code/src/shaders/shaderconstants.h"

namespace Belgarune
{
void ShaderEnvDarkCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32)
{
    setTextureUnit(services, "fogTexture", 1);
    setTextureUnit(services, "colorTexture", 2);
    setTextureUnit(services, "mixTexture", 3);
    setTransformConstants(services);
    setFloatConstant(services, "time", shaderTimeMs());
    setFloatConstant(services, "brightness", shaderBrightness());
    setFloatConstant(services, "darkMix", m_darkMix);
    setFloatConstant(services, "lightRadius", m_lightRadius);
    setColorConstant(services, "playerLight", m_playerLight);
    setFloatConstant(services, "timeBubble", m_timeBubble);
}
} // namespace Belgarune
