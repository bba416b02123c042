#include "code/src/state/gamebase.h"

#include "code/src/logic/songs/songbook.h"
#include "code/src/world/gameworld.h"
#include "talvoren/gamesettings.h"

namespace Belgarune
{
GameBase::GameBase() : m_world(std::make_unique<GameWorld>()), m_songBook(std::make_unique<SongBook>())
{
}

GameBase::~GameBase() = default;

void storeGameSettings(const Talvoren::GameSettings& settings, GameBase& gameBase)
{
    gameBase.m_debug = settings.debug;
    gameBase.m_resX = settings.resX;
    gameBase.m_resY = settings.resY;
    gameBase.m_antiAlias = settings.antiAlias;
    gameBase.m_bright = settings.bright;
    gameBase.m_volume = settings.volume;
    gameBase.m_fov = settings.fov;
    gameBase.m_fullscreen = settings.fullscreen;
    gameBase.m_vsync = true;
}

Talvoren::GameSettings collectGameSettings(const GameBase& gameBase)
{
    Talvoren::GameSettings settings;
    settings.resX = gameBase.m_resX;
    settings.resY = gameBase.m_resY;
    settings.fullscreen = gameBase.m_fullscreen;
    settings.vsync = gameBase.m_vsync;
    settings.antiAlias = gameBase.m_antiAlias;
    settings.fov = gameBase.m_fov;
    settings.bright = gameBase.m_bright;
    settings.debug = gameBase.m_debug;
    settings.volume = gameBase.m_volume;
    return settings;
}
} // namespace Belgarune

std::shared_ptr<Belgarune::GameBase> g_gameBase = std::make_shared<Belgarune::GameBase>();
