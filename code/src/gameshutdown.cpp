#include "code/src/gameshutdown.h"

#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/state/gamebase.h"
#include "code/src/view/gamefont.h"
#include "code/src/world/gameworld.h"
#include "talvoren/ombeldevice.h"

namespace Belgarune
{
void shutDownGame(GameBase& gameBase, DungeonGameLogic* logic, std::unique_ptr<GameFont> font,
                  Talvoren::OmbelDevice*& device)
{
    if (logic)
        logic->release();
    gameBase.m_world.reset();
    gameBase.m_font = nullptr;
    font.reset();
    gameBase.m_camera = nullptr;
    delete device;
    device = nullptr;
}
} // namespace Belgarune
