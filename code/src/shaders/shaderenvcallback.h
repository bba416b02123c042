#pragma once
// Constants of the level's surfaces and effects ("env", "env_alpha", "part",
// "shell", "env_add") and, in its dark variant, of the dark walls ("env_dark").

#include <IShaderConstantSetCallBack.h>
#include <SColor.h>

namespace Belgarune
{
//! The dungeon view writes the light fields once per frame; the values apply
//! to everything drawn after the write.
class ShaderEnvCallBack : public irr::video::IShaderConstantSetCallBack
{
public:
    ShaderEnvCallBack() = default;

    void OnSetMaterial(const irr::video::SMaterial& material) override { m_material = &material; }
    void OnSetConstants(irr::video::IMaterialRendererServices* services, irr::s32 userData) override;

    irr::video::SColorf m_playerLight{0.0f, 0.0f, 0.0f, 1.0f};
    //! Set by the view right after construction.
    irr::f32 m_lightRadius = 1.0f;
    irr::f32 m_timeBubble = 0.0f;
    //! Dark variant only: 0 the surface texture, 1 the mix texture.
    irr::f32 m_darkMix = 0.0f;
    const irr::video::SMaterial* m_material = nullptr;

protected:
    //! The dark variant also hands the mix texture and the mix toward it.
    explicit ShaderEnvCallBack(bool darkVariant) : m_darkVariant(darkVariant) {}

private:
    const bool m_darkVariant = false;
};
} // namespace Belgarune
