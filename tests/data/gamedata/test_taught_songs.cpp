// Every song a trigger waits for, or whose effect a place needs, is taught on
// screen before the player reaches it: a scene plays its notes while the hero
// holds the shell (so the note sheet shows them), or a notice names its notes.
// Each teaching scene plays exactly the melodies of the songs it gives.

#include "code/src/songs/sheetpresses.h"
#include "code/src/songs/songbook.h"
#include "tests/data/scriptcalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
using datatest::ScriptCall;

//! The scripts in the order the level leads the player through them.
const std::vector<std::string> kRoute = {"intro.omx", "bars.omx",  "mother.omx", "vaultdoor.omx",
                                         "vault.omx", "queen.omx", "heal.omx",   "bridge.omx",
                                         "sister.omx", "door.omx", "king.omx",   "finale.omx"};

//! Songs no trigger waits for, needed for their effect at the first place of the
//! route past the spot that needs them.
const std::map<std::string, std::set<irr::s32>> kSongsNeededForTheirEffect = {
    {"vaultdoor.omx", {6}}, // Mother's Requiem holds the crusher's stone on the way to the vault's door
    {"king.omx", {8}},      // Ode to Sol drives back the dark corridor before the king's room
};

//! A scene that plays songs on the shell, and the songs it plays and then gives, in order.
struct TeachingScene
{
    std::string script;
    std::vector<irr::s32> songs;
};

const std::vector<TeachingScene> kTeachingScenes = {
    {"intro.omx", {1}},     // Prelude of the Faceless King
    {"mother.omx", {6}},    // Mother's Requiem
    {"vault.omx", {10, 3}}, // Minuet of Growth, then the lullaby
    {"queen.omx", {7}},     // Goddess' Mercy
    {"sister.omx", {8}},    // Ode to Sol
    {"king.omx", {14}},     // the sister's song
};

//! The tone keys' letters, tone 0 first.
const std::wstring kToneLetters = L"GHJKL";

//! The tones a text names as single capital key letters, in order ("G, H and J" names 0, 1, 2).
std::vector<int> namedTones(const std::wstring& text)
{
    std::vector<int> tones;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const std::size_t tone = kToneLetters.find(text[i]);
        const bool alone = (i == 0 || !std::iswalpha(text[i - 1])) &&
                           (i + 1 == text.size() || !std::iswalpha(text[i + 1]));
        if (tone != std::wstring::npos && alone)
            tones.push_back(static_cast<int>(tone));
    }
    return tones;
}

//! What a script shows of songs: the runs of tones it plays while the hero holds the
//! shell, and the tones its notices name.
struct ScriptTeaching
{
    std::vector<std::vector<int>> shownRuns;
    std::vector<std::vector<int>> namedRuns;
};

//! Reads a script; `holdsShell` says whether the hero holds the shell when it starts
//! and is updated by its addItem("INST").
ScriptTeaching teachingOf(const std::vector<ScriptCall>& calls, bool& holdsShell)
{
    ScriptTeaching teaching;
    std::vector<int> run;
    auto endRun = [&] {
        if (!run.empty() && holdsShell)
            teaching.shownRuns.push_back(run);
        run.clear();
    };
    for (const ScriptCall& call : calls)
    {
        if (call.command == L"playTone")
        {
            run.push_back(static_cast<int>(call.numbers.at(0)));
            continue;
        }
        endRun();
        if (call.command == L"addItem" && call.firstText() == L"INST")
            holdsShell = true;
        if (call.command == L"addNotice")
            teaching.namedRuns.push_back(namedTones(call.firstText()));
    }
    endRun();
    return teaching;
}

bool contains(const std::vector<std::vector<int>>& runs, const std::vector<int>& melody)
{
    return std::find(runs.begin(), runs.end(), melody) != runs.end();
}

class TaughtSongsTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_songs.loadSongs(datatest::gameFile("gamedata/songs.txt"))); }

    std::vector<int> melody(irr::s32 song) const
    {
        const Belgarune::MusicSheet* sheet = m_songs.getSheet(song);
        return sheet ? Belgarune::sheetPresses(*sheet) : std::vector<int>();
    }

    Belgarune::SongBook m_songs;
};

//! The songs the triggers wait for, by the script each trigger runs.
std::map<std::string, std::set<irr::s32>> songsAwaitedByScript()
{
    std::map<irr::s32, std::string> scriptOfTrigger;
    std::vector<std::pair<irr::s32, irr::s32>> songConditions;
    for (const std::string& name : datatest::shippedScriptNames())
        for (const ScriptCall& call : datatest::readScriptCalls(name))
        {
            if (call.command == L"createScriptTrigger")
            {
                const std::wstring& path = call.firstText();
                scriptOfTrigger[static_cast<irr::s32>(call.numbers.at(0))] =
                    std::string(path.begin() + static_cast<std::ptrdiff_t>(path.rfind(L'/') + 1), path.end());
            }
            if (call.command == L"addTriggerCondition" && call.firstText() == L"PLAY_MUSIC")
                songConditions.push_back(
                    {static_cast<irr::s32>(call.numbers.at(0)), static_cast<irr::s32>(call.numbers.at(1))});
        }
    std::map<std::string, std::set<irr::s32>> awaited;
    for (const auto& [trigger, song] : songConditions)
        awaited[scriptOfTrigger[trigger]].insert(song);
    return awaited;
}

//! Every song a trigger waits for or a place needs for its effect.
std::set<irr::s32> songsWithAUse()
{
    std::set<irr::s32> songs;
    for (const auto& [script, awaited] : songsAwaitedByScript())
        songs.insert(awaited.begin(), awaited.end());
    for (const auto& [script, needed] : kSongsNeededForTheirEffect)
        songs.insert(needed.begin(), needed.end());
    return songs;
}

//! The songs a script gives the hero, in order.
std::vector<irr::s32> songsGiven(const std::vector<ScriptCall>& calls)
{
    std::vector<irr::s32> songs;
    for (const ScriptCall& call : calls)
        if (call.command == L"gotSong")
            songs.push_back(static_cast<irr::s32>(call.numbers.at(0)));
    return songs;
}

TEST_F(TaughtSongsTest, EveryAwaitedOrNeededSongIsShownOrNamedBeforeItsPlace)
{
    std::map<std::string, std::set<irr::s32>> awaited = songsAwaitedByScript();
    ASSERT_GE(awaited.size(), 5u);
    for (const auto& [script, songs] : kSongsNeededForTheirEffect)
        awaited[script].insert(songs.begin(), songs.end());
    std::map<std::string, ScriptTeaching> teachingByScript;
    bool holdsShell = false;
    for (const std::string& name : kRoute)
    {
        teachingByScript[name] = teachingOf(datatest::readScriptCalls(name), holdsShell);
        // Past a place that waits for a song, the hero has played on the shell.
        holdsShell = holdsShell || awaited.count(name) > 0;
    }

    for (const auto& [script, songs] : awaited)
    {
        const auto place = std::find(kRoute.begin(), kRoute.end(), script);
        ASSERT_NE(place, kRoute.end()) << script << " waits for a song but is not on the route";
        for (const irr::s32 song : songs)
        {
            const std::vector<int> notes = melody(song);
            ASSERT_FALSE(notes.empty()) << "song " << song;
            bool taught = false;
            for (auto earlier = kRoute.begin(); earlier != place && !taught; ++earlier)
            {
                const ScriptTeaching& teaching = teachingByScript[*earlier];
                taught = contains(teaching.shownRuns, notes) || contains(teaching.namedRuns, notes);
            }
            EXPECT_TRUE(taught) << script << " needs song " << song << ", which no earlier scene shows or names";
        }
    }
}

TEST_F(TaughtSongsTest, EachTeachingScenePlaysTheMelodiesOfTheSongsItGives)
{
    std::set<std::string> teaching;
    for (const TeachingScene& scene : kTeachingScenes)
    {
        teaching.insert(scene.script);
        const std::vector<ScriptCall> calls = datatest::readScriptCalls(scene.script);
        std::vector<std::vector<int>> melodies;
        for (const irr::s32 song : scene.songs)
            melodies.push_back(melody(song));
        bool shownOnTheSheet = true;
        EXPECT_EQ(teachingOf(calls, shownOnTheSheet).shownRuns, melodies) << scene.script;
        EXPECT_EQ(songsGiven(calls), scene.songs) << scene.script;
    }
    for (const std::string& name : datatest::shippedScriptNames())
    {
        if (teaching.count(name) > 0)
            continue;
        bool shownOnTheSheet = true;
        EXPECT_TRUE(teachingOf(datatest::readScriptCalls(name), shownOnTheSheet).shownRuns.empty())
            << name << " plays tones but is no teaching scene";
    }
}

// A notice that names tones names a song, never a run the player could take for one.
TEST_F(TaughtSongsTest, NoticesNameOnlyRealSongs)
{
    std::vector<std::vector<int>> songs;
    for (irr::s32 id = 0; id < 15; ++id)
        if (!melody(id).empty())
            songs.push_back(melody(id));
    int named = 0;
    for (const std::string& name : datatest::shippedScriptNames())
    {
        bool holdsShell = false;
        for (const std::vector<int>& run : teachingOf(datatest::readScriptCalls(name), holdsShell).namedRuns)
        {
            if (run.size() < 2)
                continue;
            ++named;
            EXPECT_TRUE(contains(songs, run)) << name << " names tones that are no song";
        }
    }
    EXPECT_GE(named, 1);
}

// Notes running over the sheet cannot be followed at a low frame rate: a song
// with a use is also spelled in words, key by key, once the scene has given it.
TEST_F(TaughtSongsTest, EachSongWithAUseIsSpelledInWordsAfterItIsGiven)
{
    const std::set<irr::s32> used = songsWithAUse();
    int spelled = 0;
    for (const TeachingScene& scene : kTeachingScenes)
        for (const irr::s32 song : scene.songs)
        {
            if (used.count(song) == 0)
                continue;
            ++spelled;
            bool given = false, named = false;
            for (const ScriptCall& call : datatest::readScriptCalls(scene.script))
            {
                given = given || (call.command == L"gotSong" && call.numbers.at(0) == song);
                named = named || (given && call.command == L"addNotice" && namedTones(call.firstText()) == melody(song));
            }
            EXPECT_TRUE(named) << scene.script << " gives song " << song << " but never spells its keys after it";
        }
    EXPECT_GE(spelled, 6);
}

// The king's room leaves the player with what to do: the last words it shows
// spell the song the finale waits for.
TEST_F(TaughtSongsTest, TheKingsRoomEndsOnTheFinalesSongSpelledOut)
{
    const std::set<irr::s32> finale = songsAwaitedByScript()["finale.omx"];
    ASSERT_EQ(finale.size(), 1u);
    std::wstring last;
    for (const ScriptCall& call : datatest::readScriptCalls("king.omx"))
        if (call.command == L"addNotice")
            last = call.firstText();
    EXPECT_EQ(namedTones(last), melody(*finale.begin())) << std::string(last.begin(), last.end());
}
} // namespace
