#include "code/src/level/levelmaterial.h"

#include "code/src/level/gametexture.h"
#include "platform/pathresolver.h"
#include "talvoren/shadermanager.h"

#include <IMeshSceneNode.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>

#include <string>

namespace Belgarune
{
namespace
{
std::string objectPath(const char* file)
{
    return platform::resolvePath(std::string("gamedata/objects/") + file);
}

irr::video::ITexture* levelTexture(irr::scene::ISceneNode* node, const char* file)
{
    return loadGameTexture(node->getSceneManager()->getVideoDriver(), (std::string("gamedata/objects/") + file).c_str());
}
} // namespace

irr::scene::IMeshSceneNode* addLevelMesh(irr::scene::ISceneManager* sceneManager, const char* file)
{
    irr::scene::IAnimatedMesh* mesh = sceneManager->getMesh(objectPath(file).c_str());
    if (!mesh)
        return nullptr;
    return sceneManager->addMeshSceneNode(mesh, nullptr, -1);
}

void setLevelTexture(irr::scene::ISceneNode* node, irr::u32 layer, const char* file)
{
    if (file)
        node->setMaterialTexture(layer, levelTexture(node, file));
}

void setFirstMaterialTexture(irr::scene::ISceneNode* node, irr::u32 layer, const char* file)
{
    if (file && node->getMaterialCount() > 0)
        node->getMaterial(0).setTexture(layer, levelTexture(node, file));
}

void applyFogAndFilters(irr::scene::ISceneNode* node, bool anisotropic)
{
    setLevelTexture(node, 1, "fog.jpg");
    node->setMaterialFlag(irr::video::EMF_TRILINEAR_FILTER, true);
    node->setMaterialFlag(irr::video::EMF_ANISOTROPIC_FILTER, anisotropic);
}

void applyLevelMaterial(irr::scene::ISceneNode* node, Talvoren::ShaderManager* shaders, const char* shaderName,
                        bool anisotropic)
{
    applyFogAndFilters(node, anisotropic);
    if (shaders)
        shaders->setShader(node, shaderName, 0, true);
}

irr::s32 levelMaterialType(Talvoren::ShaderManager* shaders, const char* shaderName)
{
    return shaders ? shaders->getMaterialType(shaderName) : irr::video::EMT_SOLID;
}

void setAllMaterialTypes(irr::scene::ISceneNode* node, irr::s32 type)
{
    if (type >= 0)
        node->setMaterialType(static_cast<irr::video::E_MATERIAL_TYPE>(type));
}

void setMaterialTypeAt(irr::scene::ISceneNode* node, irr::u32 index, irr::s32 type)
{
    if (type >= 0 && index < node->getMaterialCount())
        node->getMaterial(index).MaterialType = static_cast<irr::video::E_MATERIAL_TYPE>(type);
}

void switchLightingOff(irr::scene::ISceneNode* node)
{
    node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
}

irr::f32 facingYaw(WallSide facing)
{
    switch (facing)
    {
    case WallSide::MinusZ:
        return 180.0f;
    case WallSide::PlusX:
        return 90.0f;
    case WallSide::MinusX:
        return 270.0f;
    default:
        return 0.0f;
    }
}
} // namespace Belgarune
