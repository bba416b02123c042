#include "code/src/shaders/shaderenvcallback.h"

#include "code/src/shaders/shaderconstants.h"

namespace Belgarune
{
void ShaderEnvCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32)
{
    setTextureUnit(services, "fogTexture", 1);
    setTextureUnit(services, "colorTexture", 2);
    if (m_darkVariant)
        setTextureUnit(services, "mixTexture", 3);
    setTransformConstants(services);
    setFloatConstant(services, "time", shaderTimeMs());
    setFloatConstant(services, "brightness", shaderBrightness());
    if (m_darkVariant)
        setFloatConstant(services, "darkMix", m_darkMix);
    setFloatConstant(services, "lightRadius", m_lightRadius);
    setColorConstant(services, "playerLight", m_playerLight);
    setFloatConstant(services, "timeBubble", m_timeBubble);
}
} // namespace Belgarune
