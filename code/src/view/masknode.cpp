#include "code/src/view/masknode.h"

#include "code/src/level/levelmaterial.h"
#include "talvoren/ombeldevice.h"

#include <IMeshSceneNode.h>

namespace Belgarune
{
irr::scene::IMeshSceneNode* addMaskNode(const char* mesh, const irr::core::vector3df& scale,
                                        const char* colourTexture)
{
    irr::scene::IMeshSceneNode* node = addLevelMesh(g_device->getSceneManager(), mesh);
    if (!node)
        return nullptr;
    node->setRotation(irr::core::vector3df(0.0f, 0.0f, -20.0f));
    node->setScale(scale);
    setLevelTexture(node, 2, colourTexture);
    setAllMaterialTypes(node, levelMaterialType(g_device->getShaderManager(), "env"));
    return node;
}
} // namespace Belgarune
