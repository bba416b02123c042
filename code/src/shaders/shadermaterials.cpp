#include "code/src/shaders/shadermaterials.h"

#include "code/src/shaders/shaderenvcallback.h"
#include "code/src/shaders/shaderenvdarkcallback.h"
#include "code/src/shaders/shaderfile.h"
#include "code/src/shaders/shaderlettercallback.h"
#include "code/src/shaders/shadertransparencycallback.h"
#include "talvoren/shadermanager.h"

#include <string>

namespace Belgarune
{
namespace
{
template <typename CallBack>
CallBack* createLightCallBack()
{
    CallBack* callBack = new CallBack();
    callBack->m_playerLight = irr::video::SColorf(1.0f, 1.0f, 1.0f, 1.0f);
    callBack->m_lightRadius = 1.0f;
    return callBack;
}

//! The two texts of one shader file.
struct ShaderTexts
{
    explicit ShaderTexts(const char* path) { loadShaderFile(path, fragmentText, vertexText); }
    std::string fragmentText;
    std::string vertexText;
};

void add(Talvoren::ShaderManager& shaders, const ShaderTexts& texts, const char* name,
         irr::video::E_MATERIAL_TYPE baseMaterial, irr::video::IShaderConstantSetCallBack* callBack)
{
    shaders.addShader(texts.fragmentText.c_str(), texts.vertexText.c_str(), name, baseMaterial, callBack);
}
} // namespace

ShaderMaterials::ShaderMaterials()
    : m_envCallBack(createLightCallBack<ShaderEnvCallBack>()),
      m_letterCallBack(createLightCallBack<ShaderLetterCallBack>()),
      m_envDarkCallBack(createLightCallBack<ShaderEnvDarkCallBack>()),
      m_pictureCallBack(new ShaderTransparencyCallBack(ShaderTransparencyCallBack::kDiffuse, false))
{
}

ShaderMaterials::~ShaderMaterials()
{
    m_pictureCallBack->drop();
    m_envDarkCallBack->drop();
    m_letterCallBack->drop();
    m_envCallBack->drop();
}

void ShaderMaterials::registerMaterials(Talvoren::ShaderManager& shaders)
{
    const ShaderTexts env("gamedata/shader/env.omxs");
    add(shaders, env, "env", irr::video::EMT_SOLID, m_envCallBack);
    add(shaders, env, "env_alpha", irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL, m_envCallBack);
    add(shaders, ShaderTexts("gamedata/shader/part.omxs"), "part", irr::video::EMT_TRANSPARENT_ADD_COLOR,
        m_envCallBack);
    add(shaders, ShaderTexts("gamedata/shader/env_dark.omxs"), "env_dark", irr::video::EMT_SOLID,
        m_envDarkCallBack);
    add(shaders, ShaderTexts("gamedata/shader/shell.omxs"), "shell", irr::video::EMT_NORMAL_MAP_SOLID,
        m_envCallBack);
    add(shaders, ShaderTexts("gamedata/shader/letter.omxs"), "letter", irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL,
        m_letterCallBack);
    add(shaders, env, "env_add", irr::video::EMT_TRANSPARENT_ADD_COLOR, m_envCallBack);
    add(shaders, ShaderTexts("gamedata/shader/simpletransparency.omxs"), "pic",
        irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL, m_pictureCallBack);
}

std::array<ShaderEnvCallBack*, 2> ShaderMaterials::getEnvCallBacks() const
{
    return {m_envCallBack, m_envDarkCallBack};
}
} // namespace Belgarune
