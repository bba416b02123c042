#include "code/src/world/gamestates.h"

#include <gtest/gtest.h>

namespace
{
using Belgarune::GameState;
using Belgarune::SystemState;

TEST(GameStatesTest, ScriptWordsNameTheSystemStateAndAnyOtherWordGivesStart)
{
    const struct
    {
        const wchar_t* word;
        SystemState state;
    } cases[] = {{L"START", SystemState::Start}, {L"MENUE", SystemState::Menue}, {L"GAME", SystemState::Game},
                 {L"MENU", SystemState::Start},  {L"game", SystemState::Start},  {L"", SystemState::Start}};
    for (const auto& c : cases)
        EXPECT_EQ(Belgarune::systemStateNamed(c.word), c.state) << "word " << c.word;
}

TEST(GameStatesTest, OnlySequenceNamesTheScriptedGameState)
{
    EXPECT_EQ(Belgarune::gameStateNamed(L"SEQUENCE"), GameState::Sequence);
    for (const wchar_t* word : {L"GAMEPLAY", L"sequence", L"SEQUENCE ", L""})
        EXPECT_EQ(Belgarune::gameStateNamed(word), GameState::Gameplay) << "word " << word;
}
} // namespace
