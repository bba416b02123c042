#pragma once
// Constants of the story texts' letters ("letter").

#include <IShaderConstantSetCallBack.h>
#include <SColor.h>

namespace Belgarune
{
class ShaderLetterCallBack : public irr::video::IShaderConstantSetCallBack
{
public:
    void OnSetMaterial(const irr::video::SMaterial& material) override { m_material = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

    irr::video::SColorf m_playerLight{0.0f, 0.0f, 0.0f, 1.0f};
    //! Set by the view right after construction.
    irr::f32 m_lightRadius = 1.0f;
    const irr::video::SMaterial* m_material = nullptr;
};
} // namespace Belgarune
