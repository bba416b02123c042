#include "code/src/world/gamestates.h"

namespace Belgarune
{
SystemState systemStateNamed(const std::wstring& word)
{
    if (word == L"MENUE")
        return SystemState::Menue;
    if (word == L"GAME")
        return SystemState::Game;
    return SystemState::Start;
}

GameState gameStateNamed(const std::wstring& word)
{
    return word == L"SEQUENCE" ? GameState::Sequence : GameState::Gameplay;
}
} // namespace Belgarune
