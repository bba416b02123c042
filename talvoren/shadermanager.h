#pragma once
// Named high-level shader materials and the nodes that use them.

#include <EMaterialTypes.h>
#include <irrArray.h>
#include <irrMap.h>
#include <irrString.h>
#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneNode;
}
namespace video
{
class IVideoDriver;
class IShaderConstantSetCallBack;
} // namespace video
} // namespace irr

namespace Talvoren
{
//! One registered material with the texts it was made from.
struct ShaderEntry
{
    //! What the driver returned; -1 when compiling or linking failed.
    irr::s32 materialType = -1;
    irr::core::stringc vertexProgram;
    irr::core::stringc pixelProgram;
    irr::s32 baseMaterial = irr::video::EMT_SOLID;
    //! Not owned (the driver's material renderer holds its own reference).
    irr::video::IShaderConstantSetCallBack* callback = nullptr;
    //! Nodes remembered by setShader; not owned.
    irr::core::array<irr::scene::ISceneNode*> nodes;
};

//! Keeps the materials by name (case-sensitive). The device owns the manager;
//! the driver must outlive it or be replaced by setDriver.
class ShaderManager
{
public:
    explicit ShaderManager(irr::video::IVideoDriver* driver);
    // Irrlicht's map frees its nodes on destruction and has no deep copy.
    ShaderManager(const ShaderManager&) = delete;
    ShaderManager& operator=(const ShaderManager&) = delete;

    //! Compiles the two programs (GLSL with the OpenGL driver) and registers the
    //! material under name, replacing an entry of that name together with its
    //! remembered nodes. Returns the material type (-1 on failure).
    irr::s32 addShader(const char* vertexProgram, const char* pixelProgram, const irr::core::stringc& name,
                       irr::video::E_MATERIAL_TYPE baseMaterial, irr::video::IShaderConstantSetCallBack* callback);

    //! "EMT_SOLID" 0 and "EMT_SOLID_2_LAYER" 1 always; a registered name its
    //! type; any other name is logged and answered with 0.
    irr::s32 getMaterialType(const irr::core::stringc& name) const;

    //! Gives the node's material at index the named type (and remembers the
    //! node when asked). False only for a null node or an unknown name; an
    //! index beyond the node's materials changes nothing and gives true. A
    //! material that failed to compile is not written (Irrlicht's material
    //! type cannot hold -1): the node keeps its material type.
    bool setShader(irr::scene::ISceneNode* node, const irr::core::stringc& name, irr::u32 materialIndex,
                   bool remember);

    //! Forgets the node in the first entry of each of its materials' types.
    bool removeNode(irr::scene::ISceneNode* node);
    //! Forgets every remembering of the node, whatever its materials hold now;
    //! for nodes about to be released.
    void forgetNode(irr::scene::ISceneNode* node);

    //! The entry of that name, or null.
    const ShaderEntry* findEntry(const irr::core::stringc& name) const;

    //! Takes the driver of a new device: every material is compiled again on
    //! it (their callbacks must still be alive) and the remembered nodes,
    //! which belonged to the old device's scene, are forgotten.
    void setDriver(irr::video::IVideoDriver* driver);

private:
    //! The entry's material type on the current driver; -1 without one.
    irr::s32 compile(const ShaderEntry& entry) const;

    irr::video::IVideoDriver* m_driver;
    irr::core::map<irr::core::stringc, ShaderEntry> m_shaders;
};
} // namespace Talvoren
