#pragma once
// The dungeon logic's system state and game state, numbered as their events
// carry them, and the words the scripts spell them with.

#include <irrTypes.h>

#include <string>

namespace Belgarune
{
enum class SystemState : irr::u32
{
    //! The logo splash.
    Start = 0,
    //! The title menu.
    Menue = 1,
    Game = 2,
};

enum class GameState : irr::u32
{
    Gameplay = 0,
    //! A scripted scene.
    Sequence = 1,
};

//! "START", "MENUE" or "GAME"; any other word gives Start.
SystemState systemStateNamed(const std::wstring& word);
//! "SEQUENCE" or "GAMEPLAY"; any other word gives Gameplay.
GameState gameStateNamed(const std::wstring& word);
} // namespace Belgarune
