#include "code/src/shaders/shadertransparencycallback.h"

#include "code/src/shaders/shaderconstants.h"

#include <IMaterialRendererServices.h>
#include <SMaterial.h>

namespace Belgarune
{
ShaderTransparencyCallBack::ShaderTransparencyCallBack(irr::u32 colorSource, bool useRotation)
    : m_useRotation(useRotation), m_colorSource(colorSource), m_material(nullptr)
{
}

void ShaderTransparencyCallBack::OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32)
{
    if (m_material)
    {
        irr::video::SColor color = m_material->DiffuseColor;
        if (m_colorSource == kAmbient)
            color = m_material->AmbientColor;
        else if (m_colorSource == kEmissive)
            color = m_material->EmissiveColor;
        setColorConstant(services, "mColor", irr::video::SColorf(color));
        if (m_useRotation)
            services->setVertexShaderConstant("mRot", m_material->getTextureMatrix(0).pointer(), 16);
    }
    setWorldViewProjection(services);
}
} // namespace Belgarune
