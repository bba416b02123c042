#pragma once
// The game's one global state and settings object.

#include <irrTypes.h>
#include <vector3d.h>

#include <memory>

namespace irr
{
namespace scene
{
class ICameraSceneNode;
}
} // namespace irr

namespace Talvoren
{
struct GameSettings;
}

namespace Belgarune
{
class GameFont;
class GameWorld;
class SongBook;

//! Reached through g_gameBase; its members are read and written directly.
//! Owns the world and the song book. The font holder and the camera are not owned and may be
//! null: whoever reads them tests them.
class GameBase
{
public:
    //! Safe during static initialisation: touches no device, log or other globals.
    GameBase();
    ~GameBase();
    GameBase(const GameBase&) = delete;
    GameBase& operator=(const GameBase&) = delete;

    bool m_gameStarted = false;
    //! [0] instrument, [1] violin key, [2] bass key, [3] alto key.
    bool m_hasItem[4] = {};
    //! Indexed by song id: non-zero once learned.
    irr::u8 m_learnedSongs[15] = {};
    bool m_hasMap = false;
    irr::s32 m_hp = 3;

    // game.ini as read at start-up, before any clamping.
    irr::s32 m_volume = 100;
    irr::s32 m_resX = 1280;
    irr::s32 m_resY = 720;
    bool m_fullscreen = false;
    bool m_vsync = true;
    irr::s32 m_fov = 60;
    irr::s32 m_bright = 3;
    irr::s32 m_antiAlias = 4;
    bool m_debug = false;

    //! Slow-down song effect: player and enemy speeds x 0.75.
    bool m_slowDown = false;
    std::unique_ptr<GameWorld> m_world;
    //! The songs of songs.txt; null until the dungeon logic's set-up makes and loads it. Held
    //! alone, shared only so that the state can release it without knowing the songs.
    std::shared_ptr<SongBook> m_songBook;
    //! Not owned; set by start-up.
    GameFont* m_font = nullptr;
    //! Tones forced on by scripted sequences; 0..4 stand for the tone keys.
    bool m_forcedTones[6] = {};
    bool m_toneKeysEnabled = true;
    //! The camera in use; not owned (the scene manager holds it).
    irr::scene::ICameraSceneNode* m_camera = nullptr;
    irr::core::vector3df m_playerPosition;
    irr::core::vector3df m_playerLookAt;
    // Screen overlays, 0..1.
    irr::f32 m_whiteScreen = 0.0f;
    irr::f32 m_blackScreen = 0.0f;
    irr::f32 m_damageScreen = 0.0f;
    //! Game clock time in ms when the player last played a tone.
    irr::s32 m_lastToneTime = 0;
    bool m_gameplayActive = true;
    //! 1: input goes to the world editor.
    irr::s32 m_editorMode = 0;
};

//! Stores the values of game.ini as read; vertical sync is always taken as on.
void storeGameSettings(const Talvoren::GameSettings& settings, GameBase& gameBase);
//! The reverse: the settings as they stand now, for writing game.ini back.
Talvoren::GameSettings collectGameSettings(const GameBase& gameBase);
} // namespace Belgarune

//! Created during static initialisation, released at program exit.
extern std::shared_ptr<Belgarune::GameBase> g_gameBase;
