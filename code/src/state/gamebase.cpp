#include "code/src/state/gamebase.h"

#include "code/src/world/gameworld.h"
#include "talvoren/gamesettings.h"

namespace Belgarune
{
GameBase::GameBase() : m_world(std::make_unique<GameWorld>())
{
}

GameBase::~GameBase() = default;

namespace
{
//! Hands each setting of game.ini with its member in the game state to copy.
template <class Settings, class Base, class Copy>
void pairGameSettings(Settings& settings, Base& gameBase, Copy copy)
{
    copy(settings.resX, gameBase.m_resX);
    copy(settings.resY, gameBase.m_resY);
    copy(settings.fullscreen, gameBase.m_fullscreen);
    copy(settings.vsync, gameBase.m_vsync);
    copy(settings.antiAlias, gameBase.m_antiAlias);
    copy(settings.fov, gameBase.m_fov);
    copy(settings.bright, gameBase.m_bright);
    copy(settings.debug, gameBase.m_debug);
    copy(settings.volume, gameBase.m_volume);
}
} // namespace

void storeGameSettings(const Talvoren::GameSettings& settings, GameBase& gameBase)
{
    pairGameSettings(settings, gameBase, [](const auto& setting, auto& member) { member = setting; });
    gameBase.m_vsync = true;
}

Talvoren::GameSettings collectGameSettings(const GameBase& gameBase)
{
    Talvoren::GameSettings settings;
    pairGameSettings(settings, gameBase, [](auto& setting, const auto& member) { setting = member; });
    return settings;
}
} // namespace Belgarune

std::shared_ptr<Belgarune::GameBase> g_gameBase = std::make_shared<Belgarune::GameBase>();
