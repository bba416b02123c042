#pragma once
// The game's eight named shader materials and the callbacks that feed them.

#include <array>

namespace Talvoren
{
class ShaderManager;
}

namespace Belgarune
{
class ShaderEnvCallBack;
class ShaderEnvDarkCallBack;
class ShaderLetterCallBack;
class ShaderTransparencyCallBack;

//! Creates the callbacks (player light (1, 1, 1, 1), light radius 1) and
//! registers "env", "env_alpha", "part", "env_dark", "shell", "letter",
//! "env_add" and "pic" from gamedata/shader/*.omxs. Holds one reference to
//! each callback; the driver's material renderers hold their own, so the
//! callbacks live as long as either.
class ShaderMaterials
{
public:
    ShaderMaterials();
    ~ShaderMaterials();
    ShaderMaterials(const ShaderMaterials&) = delete;
    ShaderMaterials& operator=(const ShaderMaterials&) = delete;

    //! Reads the shader files (paths relative to the working directory) and
    //! registers the materials with the manager.
    void registerMaterials(Talvoren::ShaderManager& shaders);

    ShaderEnvCallBack* getEnvCallBack() const { return m_envCallBack; }
    ShaderLetterCallBack* getLetterCallBack() const { return m_letterCallBack; }
    ShaderEnvDarkCallBack* getEnvDarkCallBack() const { return m_envDarkCallBack; }
    //! The plain and the dark env callback, which take the same light.
    std::array<ShaderEnvCallBack*, 2> getEnvCallBacks() const;

private:
    ShaderEnvCallBack* m_envCallBack;
    ShaderLetterCallBack* m_letterCallBack;
    ShaderEnvDarkCallBack* m_envDarkCallBack;
    ShaderTransparencyCallBack* m_pictureCallBack;
};
} // namespace Belgarune
