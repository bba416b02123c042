#include "code/src/view/visualeffects.h"

#include "code/src/view/visualeffectblood.h"
#include "code/src/view/visualeffectdoordust.h"

#include <iostream>

namespace Belgarune
{
std::unique_ptr<VisualEffect> createVisualEffect(irr::s32 kind, irr::scene::ISceneManager* sceneManager,
                                                 const irr::core::vector3df& position)
{
    std::unique_ptr<VisualEffect> effect;
    switch (static_cast<EffectKind>(kind))
    {
    case EffectKind::Blood:
        effect = std::make_unique<VisualEffectBlood>(sceneManager, position);
        break;
    case EffectKind::DoorDust:
        std::cout << "crearte effect: " << kind << std::endl;
        effect = std::make_unique<VisualEffectDoorDust>(sceneManager, position);
        break;
    default:
        return nullptr;
    }
    effect->start();
    return effect;
}

void updateEffects(irr::core::array<VisualEffect*>& effects)
{
    irr::u32 i = 0;
    while (i < effects.size())
    {
        VisualEffect* effect = effects[i];
        effect->update();
        if (!effect->isFinished())
        {
            ++i;
            continue;
        }
        effect->remove();
        effects.erase(i);
        delete effect;
    }
}

void destroyEffects(irr::core::array<VisualEffect*>& effects)
{
    for (irr::u32 i = 0; i < effects.size(); ++i)
        delete effects[i];
    effects.clear();
}
} // namespace Belgarune
