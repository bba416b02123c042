#pragma once
// Constants of the pictures ("pic"): a colour of the material and the projection.

#include <IShaderConstantSetCallBack.h>

namespace Belgarune
{
class ShaderTransparencyCallBack : public irr::video::IShaderConstantSetCallBack
{
public:
    //! Which colour of the material becomes "mColor".
    enum ColorSource : irr::u32
    {
        kDiffuse = 0,
        kAmbient = 1,
        kEmissive = 2
    };

    //! useRotation: also hand the texture matrix of layer 0 as "mRot".
    ShaderTransparencyCallBack(irr::u32 colorSource, bool useRotation);

    void OnSetMaterial(const irr::video::SMaterial& material) override { m_material = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

private:
    bool m_useRotation;
    irr::u32 m_colorSource;
    //! The material being drawn; owned by the node that draws it.
    const irr::video::SMaterial* m_material;
};
} // namespace Belgarune
