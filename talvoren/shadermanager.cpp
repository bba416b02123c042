#include "talvoren/shadermanager.h"

#include "talvoren/log.h"

#include <IGPUProgrammingServices.h>
#include <ISceneNode.h>
#include <IVideoDriver.h>

namespace Talvoren
{
ShaderManager::ShaderManager(irr::video::IVideoDriver* driver) : m_driver(driver)
{
}

irr::s32 ShaderManager::addShader(const char* vertexProgram, const char* pixelProgram,
                                  const irr::core::stringc& name, irr::video::E_MATERIAL_TYPE baseMaterial,
                                  irr::video::IShaderConstantSetCallBack* callback)
{
    ShaderEntry entry;
    entry.vertexProgram = vertexProgram;
    entry.pixelProgram = pixelProgram;
    entry.baseMaterial = baseMaterial;
    entry.callback = callback;
    entry.materialType = compile(entry);
    m_shaders.set(name, entry);
    return entry.materialType;
}

void ShaderManager::setDriver(irr::video::IVideoDriver* driver)
{
    m_driver = driver;
    for (auto named = m_shaders.getIterator(); !named.atEnd(); named++)
    {
        ShaderEntry& entry = named->getValue();
        entry.materialType = compile(entry);
        entry.nodes.clear();
    }
}

irr::s32 ShaderManager::compile(const ShaderEntry& entry) const
{
    irr::video::IGPUProgrammingServices* gpu = m_driver ? m_driver->getGPUProgrammingServices() : nullptr;
    if (!gpu)
        return -1;
    return gpu->addHighLevelShaderMaterial(entry.vertexProgram.c_str(), "main", irr::video::EVST_VS_1_1,
                                           entry.pixelProgram.c_str(), "main", irr::video::EPST_PS_2_0,
                                           entry.callback,
                                           static_cast<irr::video::E_MATERIAL_TYPE>(entry.baseMaterial), 0,
                                           irr::video::EGSL_DEFAULT);
}

irr::s32 ShaderManager::getMaterialType(const irr::core::stringc& name) const
{
    if (name == "EMT_SOLID")
        return irr::video::EMT_SOLID;
    if (name == "EMT_SOLID_2_LAYER")
        return irr::video::EMT_SOLID_2_LAYER;
    if (const ShaderEntry* entry = findEntry(name))
        return entry->materialType;
    logError(L"SHADER-MANAGER: Could not load shader %p", irr::core::stringw(name.c_str()));
    return irr::video::EMT_SOLID;
}

bool ShaderManager::setShader(irr::scene::ISceneNode* node, const irr::core::stringc& name,
                              irr::u32 materialIndex, bool remember)
{
    if (!node)
        return false;
    auto* found = m_shaders.find(name);
    if (!found)
        return false;
    if (node->getMaterialCount() <= materialIndex)
        return true;
    ShaderEntry& entry = found->getValue();
    if (entry.materialType >= 0)
        node->getMaterial(materialIndex).MaterialType = static_cast<irr::video::E_MATERIAL_TYPE>(entry.materialType);
    if (remember)
        entry.nodes.push_back(node);
    return true;
}

bool ShaderManager::removeNode(irr::scene::ISceneNode* node)
{
    if (!node)
        return true;
    for (irr::u32 i = 0; i < node->getMaterialCount(); ++i)
    {
        const irr::s32 type = node->getMaterial(i).MaterialType;
        for (auto named = m_shaders.getIterator(); !named.atEnd(); named++)
        {
            ShaderEntry& entry = named->getValue();
            if (entry.materialType != type)
                continue;
            const irr::s32 index = entry.nodes.linear_search(node);
            if (index >= 0)
                entry.nodes.erase(static_cast<irr::u32>(index));
            break;
        }
    }
    return true;
}

void ShaderManager::forgetNode(irr::scene::ISceneNode* node)
{
    for (auto named = m_shaders.getIterator(); !named.atEnd(); named++)
    {
        irr::core::array<irr::scene::ISceneNode*>& nodes = named->getValue().nodes;
        for (irr::s32 index = nodes.linear_search(node); index >= 0; index = nodes.linear_search(node))
            nodes.erase(static_cast<irr::u32>(index));
    }
}

const ShaderEntry* ShaderManager::findEntry(const irr::core::stringc& name) const
{
    const auto* found = m_shaders.find(name);
    return found ? &found->getValue() : nullptr;
}
} // namespace Talvoren
