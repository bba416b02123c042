#include "code/src/view/keystones.h"

#include "code/src/level/levelmaterial.h"
#include "code/src/level/visualspace.h"
#include "code/src/world/item.h"

namespace Belgarune
{
namespace
{
struct Keystone
{
    Item key;
    irr::s32 objectId;
    const char* litTexture;
};

const Keystone kKeystones[] = {
    {Item::ViolinKey, 12, "QVKeystone1B.png"},
    {Item::BassKey, 10, "QVKeystone2B.png"},
    {Item::AltoKey, 11, "QVKeystone3B.png"},
};
} // namespace

void lightKeystone(VisualSpace& space, irr::u32 item)
{
    const std::optional<Item> key = toKey(item);
    for (const Keystone& keystone : kKeystones)
    {
        if (key != keystone.key)
            continue;
        if (irr::scene::ISceneNode* node = space.getObject(keystone.objectId))
            setFirstMaterialTexture(node, 0, keystone.litTexture);
    }
}
} // namespace Belgarune
