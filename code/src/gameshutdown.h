#pragma once
// The end of the run, once the main loop has ended.

#include <memory>

namespace Talvoren
{
class OmbelDevice;
}

namespace Belgarune
{
class DungeonGameLogic;
class GameBase;
class GameFont;

//! Releases, in this order, everything that may hold the device's resources
//! (sounds, scene nodes, textures): what the logic holds (view, menu, splash,
//! effect music; the logic may be null), the world with its actors and their
//! components, then the font holder; then deletes the device and clears the
//! pointer. Later owners of such resources are released here too, before the
//! device. The camera pointer of the game state is cleared with the scene.
void shutDownGame(GameBase& gameBase, DungeonGameLogic* logic, std::unique_ptr<GameFont> font,
                  Talvoren::OmbelDevice*& device);
} // namespace Belgarune
