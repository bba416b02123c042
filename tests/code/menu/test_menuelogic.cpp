// The title menu on the null driver: keys, pages, entries, options written to game.ini.

#include "code/src/menu/menuelogic.h"
#include "platform/textfile.h"
#include "talvoren/gamesettings.h"
#include "talvoren/inifile.h"
#include "talvoren/ombelscript/ombelscriptmanager.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/code/menu/menutestsupport.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/soundfiles.h"
#include "tests/talvoren/ombelscript/recordinginterpreter.h"

#include <gtest/gtest.h>

#include <initializer_list>

using Belgarune::MenueLogic;
using menutest::menuSound;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");

const std::string kStartIni = "[graphics]\n#set to -1 for screen resolution\nresx=1280\nresy=720\n"
                              "fullscreen=false\nvsynch=true\naa=4\nfov=60\nbright=3\n\n[game]\ndebug=false\n\n"
                              "[sound]\nvolume=100\n";

class MenueLogicTest : public menutest::MenuDeviceTest
{
protected:
    void SetUp() override
    {
        MenuDeviceTest::SetUp();
        testsupport::writeFile("game.ini", kStartIni);
        m_menu = std::make_unique<MenueLogic>();
        m_menu->onEnter();
    }
    void TearDown() override
    {
        m_menu.reset();
        MenuDeviceTest::TearDown();
    }

    //! Releases each key in turn; returns the last OnEvent result.
    bool release(std::initializer_list<irr::EKEY_CODE> keys)
    {
        bool consumed = false;
        for (irr::EKEY_CODE key : keys)
            consumed = m_menu->OnEvent(keyEvent(key, false));
        return consumed;
    }
    //! From the main page's first row to the options page, journal cleared.
    void openOptions()
    {
        release({irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN});
        ASSERT_EQ(m_menu->getPage(), MenueLogic::kOptionsPage);
        journal().clear();
    }
    //! game.ini as the INI reader sees it.
    Talvoren::GameSettings writtenSettings() const
    {
        return Talvoren::readGameSettings(Talvoren::IniFile(L"game.ini"));
    }

    //! Outlives the device, whose sound manager may hold a fake engine writing here.
    testsupport::Journal m_soundJournal;
    std::unique_ptr<MenueLogic> m_menu;
};

struct NavigationCase
{
    const char* name;
    std::vector<irr::EKEY_CODE> keys;
    irr::s32 page;
    irr::s32 selection;
    std::vector<std::string> sounds;
};

const std::string kCursor = menuSound("cursor");
const std::string kAccept = menuSound("accept");
const std::string kCancel = menuSound("cancel");

const NavigationCase kNavigationCases[] = {
    {"down to End and no further", {irr::KEY_DOWN, irr::KEY_KEY_S, irr::KEY_DOWN, irr::KEY_DOWN}, 0, 3,
     {kCursor, kCursor, kCursor}},
    {"up at the top is silent", {irr::KEY_UP, irr::KEY_KEY_W}, 0, 0, {}},
    {"down and back up", {irr::KEY_KEY_S, irr::KEY_KEY_W}, 0, 0, {kCursor, kCursor}},
    {"sideways on the main page", {irr::KEY_LEFT, irr::KEY_RIGHT, irr::KEY_KEY_A, irr::KEY_KEY_D}, 0, 0, {}},
    {"options opens at row 0", {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_SPACE}, 1, 0, {kCursor, kCursor, kAccept}},
    {"options has seven rows",
     {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_DOWN,
      irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_DOWN},
     1, 6, {kCursor, kCursor, kAccept, kCursor, kCursor, kCursor, kCursor, kCursor, kCursor}},
    {"accept on the options page stays", {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_SPACE}, 1, 0,
     {kCursor, kCursor, kAccept, kAccept}},
    {"cancel on the options page returns to Options",
     {irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_DOWN, irr::KEY_KEY_X}, 0, 2,
     {kCursor, kCursor, kAccept, kCursor, kCancel}},
};
} // namespace

TEST_F(MenueLogicTest, KeyReleasesMoveThroughPagesAndRows)
{
    for (const NavigationCase& navigation : kNavigationCases)
    {
        m_menu = std::make_unique<MenueLogic>();
        journal().clear();
        for (irr::EKEY_CODE key : navigation.keys)
            EXPECT_FALSE(m_menu->OnEvent(keyEvent(key, false))) << navigation.name;
        EXPECT_EQ(m_menu->getPage(), navigation.page) << navigation.name;
        EXPECT_EQ(m_menu->getSelection(), navigation.selection) << navigation.name;
        EXPECT_EQ(journal(), navigation.sounds) << navigation.name;
    }
}

TEST_F(MenueLogicTest, KeyPressesAndOtherEventsChangeNothing)
{
    for (irr::EKEY_CODE key : {irr::KEY_DOWN, irr::KEY_RETURN, irr::KEY_ESCAPE})
        EXPECT_FALSE(m_menu->OnEvent(keyEvent(key, true)));
    irr::SEvent mouse{};
    mouse.EventType = irr::EET_MOUSE_INPUT_EVENT;
    EXPECT_FALSE(m_menu->OnEvent(mouse));
    EXPECT_EQ(m_menu->getSelection(), 0);
    EXPECT_TRUE(journal().empty());
}

TEST_F(MenueLogicTest, CancelOnTheMainPageReturnsToTheGameEvenBeforeOneStarted)
{
    release({irr::KEY_DOWN});
    journal().clear();
    EXPECT_TRUE(release({irr::KEY_ESCAPE}));
    EXPECT_EQ(journal(), (std::vector<std::string>{kCancel, "state 2"}));
    EXPECT_FALSE(g_gameBase->m_gameStarted);
}

TEST_F(MenueLogicTest, ContinueActsOnlyOnceAGameStarted)
{
    release({irr::KEY_RETURN});
    EXPECT_EQ(journal(), (std::vector<std::string>{kAccept}));
    g_gameBase->m_gameStarted = true;
    journal().clear();
    release({irr::KEY_SPACE});
    EXPECT_EQ(journal(), (std::vector<std::string>{kAccept, "state 2"}));
}

TEST_F(MenueLogicTest, NewGameStartsOnceAndRunsTheIntro)
{
    Talvoren::OmbelScriptManager& scripts = *m_device->getScriptManager();
    auto interpreter = std::make_shared<scripttest::RecordingInterpreter>(&scripts);
    scripts.setInterpreter(interpreter);
    interpreter->registerFunctions(&scripts);

    release({irr::KEY_DOWN});
    journal().clear();
    release({irr::KEY_RETURN});
    EXPECT_TRUE(g_gameBase->m_gameStarted);
    EXPECT_EQ(journal(), (std::vector<std::string>{kAccept, "new game", "state 2"}));
    ASSERT_EQ(interpreter->calls.size(), 1u);
    EXPECT_NE(interpreter->calls[0].find("runScript"), std::string::npos) << interpreter->calls[0];
    EXPECT_NE(interpreter->calls[0].find("gamedata/scripts/intro.omx"), std::string::npos) << interpreter->calls[0];

    journal().clear();
    release({irr::KEY_RETURN});
    EXPECT_EQ(journal(), (std::vector<std::string>{kAccept}));
    EXPECT_EQ(interpreter->calls.size(), 1u);
}

TEST_F(MenueLogicTest, EndQuitsTheDevice)
{
    release({irr::KEY_DOWN, irr::KEY_DOWN});
    EXPECT_FALSE(m_device->isQuitRequested());
    release({irr::KEY_DOWN, irr::KEY_SPACE});
    EXPECT_TRUE(m_device->isQuitRequested());
}

TEST_F(MenueLogicTest, EnteringShowsTheMainPageAndKeepsTheRow)
{
    openOptions();
    release({irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_DOWN});
    m_menu->onLeave();
    m_menu->onEnter();
    EXPECT_EQ(m_menu->getPage(), MenueLogic::kMainPage);
    EXPECT_EQ(m_menu->getSelection(), 3);
}

TEST_F(MenueLogicTest, EveryChangeWritesTheWholeFile)
{
    openOptions();
    release({irr::KEY_LEFT});
    EXPECT_EQ(testsupport::readFile("game.ini"),
              "[graphics]\n#set to -1 for screen resolution\nresx=1280\nresy=720\nfullscreen=false\n"
              "vsynch=true\naa=4\nfov=60\nbright=3\n\n[game]\ndebug=false\n\n[sound]\nvolume=90\n");
    EXPECT_TRUE(journal().empty()) << "changing a value plays no sound";
}

TEST_F(MenueLogicTest, EachOptionIsWrittenEvenAtItsBound)
{
    struct Change
    {
        irr::s32 row;
        irr::EKEY_CODE key;
        void (*check)(const Talvoren::GameSettings&);
    };
    const Change changes[] = {
        {0, irr::KEY_RIGHT, [](const Talvoren::GameSettings& s) { EXPECT_EQ(s.volume, 100); }},
        {1, irr::KEY_KEY_D, [](const Talvoren::GameSettings& s) { EXPECT_EQ(s.bright, 4); }},
        {2, irr::KEY_KEY_A, [](const Talvoren::GameSettings& s) { EXPECT_EQ(s.fov, 55); }},
        {3, irr::KEY_LEFT, [](const Talvoren::GameSettings& s) { EXPECT_EQ(s.resY, 768); }},
        {4, irr::KEY_RIGHT, [](const Talvoren::GameSettings& s) { EXPECT_TRUE(s.fullscreen); }},
        {5, irr::KEY_LEFT, [](const Talvoren::GameSettings& s) { EXPECT_FALSE(s.vsync); }},
        {6, irr::KEY_RIGHT, [](const Talvoren::GameSettings& s) { EXPECT_EQ(s.antiAlias, 8); }},
    };
    openOptions();
    for (const Change& change : changes)
    {
        testsupport::writeFile("game.ini", "stale\n");
        while (m_menu->getSelection() < change.row)
            release({irr::KEY_DOWN});
        release({change.key});
        SCOPED_TRACE("row " + std::to_string(change.row));
        change.check(writtenSettings());
        const Talvoren::GameSettings written = writtenSettings();
        const Talvoren::GameSettings current = Belgarune::collectGameSettings(*g_gameBase);
        EXPECT_EQ(Talvoren::formatGameSettings(written), Talvoren::formatGameSettings(current));
    }
}

TEST_F(MenueLogicTest, OnlyChangesThatNeedARestartShowTheNotice)
{
    openOptions();
    release({irr::KEY_LEFT, irr::KEY_DOWN, irr::KEY_RIGHT, irr::KEY_DOWN, irr::KEY_RIGHT});
    EXPECT_FALSE(m_menu->isNoticeShown()) << "volume, brightness and FOV take effect at once";
    release({irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RIGHT});
    EXPECT_TRUE(m_menu->isNoticeShown());
    setTime(now() + MenueLogic::kNoticeMs);
    EXPECT_TRUE(m_menu->isNoticeShown());
    setTime(now() + 1);
    EXPECT_FALSE(m_menu->isNoticeShown());
}

TEST_F(MenueLogicTest, VolumeSetsTheMasterVolumeAndFovTheCamera)
{
    auto* engine = new testsupport::FakeSoundEngine(m_soundJournal);
    m_device->getSoundManager()->m_engine = testsupport::SoundRef<testsupport::ISoundEngine>(engine);
    irr::scene::ICameraSceneNode* camera = m_device->getSceneManager()->addCameraSceneNode();
    g_gameBase->m_camera = camera;

    openOptions();
    release({irr::KEY_LEFT, irr::KEY_LEFT, irr::KEY_DOWN, irr::KEY_DOWN, irr::KEY_RIGHT});
    EXPECT_FLOAT_EQ(engine->volume, 0.8f);
    EXPECT_FLOAT_EQ(camera->getFOV(), 65.0f * irr::core::DEGTORAD);
}

// None of the menu's pictures, sounds or font exists here.
TEST_F(MenueLogicTest, DrawsWithoutItsFilesAndFont)
{
    g_gameBase->m_learnedSongs[3] = 1;
    m_menu->onResize();
    m_menu->draw();
    openOptions();
    m_menu->draw();
    EXPECT_EQ(m_menu->getMusic().getSound(), nullptr);
}
