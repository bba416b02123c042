// The title menu on the null driver: keys, pages, entries, options written to game.ini.

#include "code/src/menu/menuelogic.h"
#include "talvoren/consolelogic.h"
#include "talvoren/consolemessagelist.h"
#include "talvoren/gamesettings.h"
#include "talvoren/inifile.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/code/menu/menutestsupport.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/soundfiles.h"
#include "tests/talvoren/ombelscript/recordinginterpreter.h"

#include <gtest/gtest.h>

using Belgarune::MenueLogic;
using Keys = std::vector<irr::EKEY_CODE>;
using Lines = std::vector<std::string>;

namespace
{
const testsupport::OpenAlTestConfig g_openAl("null");

std::string menuSound(const char* name)
{
    return std::string("sound gamedata/music/") + name + ".wav id 1 volume " + std::to_string(0.1f);
}
const std::string kCursor = menuSound("cursor");
const std::string kAccept = menuSound("accept");
const std::string kCancel = menuSound("cancel");
const irr::EKEY_CODE kUp = irr::KEY_UP, kDown = irr::KEY_DOWN, kLeft = irr::KEY_LEFT, kRight = irr::KEY_RIGHT,
                     kReturn = irr::KEY_RETURN, kSpace = irr::KEY_SPACE, kEscape = irr::KEY_ESCAPE;
const Keys kToOptions = {kDown, kDown, kReturn};

class MenueLogicTest : public menutest::MenuDeviceTest
{
protected:
    void SetUp() override
    {
        MenuDeviceTest::SetUp();
        testsupport::writeFile("game.ini", "\n");
        m_menu = std::make_unique<MenueLogic>();
        m_menu->onEnter();
    }
    void TearDown() override
    {
        m_menu.reset();
        MenuDeviceTest::TearDown();
    }

    //! Releases each key in turn; returns the last OnEvent result.
    bool release(const Keys& keys)
    {
        bool consumed = false;
        for (irr::EKEY_CODE key : keys)
            consumed = m_menu->OnEvent(keyEvent(key, false));
        return consumed;
    }

    //! Outlives the device, whose sound manager may hold a fake engine writing here.
    testsupport::Journal m_soundJournal;
    std::unique_ptr<MenueLogic> m_menu;
};
} // namespace

TEST_F(MenueLogicTest, KeyReleasesMoveThroughPagesAndRows)
{
    struct Navigation
    {
        Keys keys;
        irr::s32 page, selection;
        Lines sounds;
    };
    const Navigation navigations[] = {
        {{kDown, irr::KEY_KEY_S, kDown, kDown}, 0, 3, {kCursor, kCursor, kCursor}}, // no further than End
        {{kUp, irr::KEY_KEY_W}, 0, 0, {}},                                       // silent at the top
        {{irr::KEY_KEY_S, irr::KEY_KEY_W}, 0, 0, {kCursor, kCursor}},
        {{kLeft, kRight, irr::KEY_KEY_A, irr::KEY_KEY_D}, 0, 0, {}},
        {{kDown, kDown, kSpace, kSpace}, 1, 0, {kCursor, kCursor, kAccept, kAccept}},
        {{kDown, kDown, kReturn, kDown, kDown, kDown, kDown, kDown, kDown, kDown},
         1, 6, {kCursor, kCursor, kAccept, kCursor, kCursor, kCursor, kCursor, kCursor, kCursor}},
        {{kDown, kDown, kReturn, kDown, irr::KEY_KEY_X}, 0, 2, {kCursor, kCursor, kAccept, kCursor, kCancel}},
    };
    for (const Navigation& navigation : navigations)
    {
        m_menu = std::make_unique<MenueLogic>();
        journal().clear();
        for (irr::EKEY_CODE key : navigation.keys)
            EXPECT_FALSE(m_menu->OnEvent(keyEvent(key, false)));
        EXPECT_EQ(m_menu->getPage(), navigation.page);
        EXPECT_EQ(m_menu->getSelection(), navigation.selection);
        EXPECT_EQ(journal(), navigation.sounds);
    }
    for (irr::EKEY_CODE key : {kDown, kReturn, kEscape})
        EXPECT_FALSE(m_menu->OnEvent(keyEvent(key, true))) << "presses do nothing";
    EXPECT_EQ(m_menu->getSelection(), 2);
}

TEST_F(MenueLogicTest, EntriesActOnTheGameStartedFlag)
{
    auto interpreter = std::make_shared<scripttest::RecordingInterpreter>(m_device->getScriptManager());
    m_device->getScriptManager()->setInterpreter(interpreter);
    interpreter->registerFunctions(m_device->getScriptManager());

    EXPECT_TRUE(release({kEscape})) << "Escape returns to the game even before one started";
    release({kReturn});
    release({kDown, kReturn});
    EXPECT_TRUE(g_gameBase->m_gameStarted);
    release({kReturn});
    release({kUp, kSpace});
    EXPECT_EQ(journal(), (Lines{kCancel, "state 2", kAccept, kCursor, kAccept, "new game", "state 2", kAccept, kCursor,
                                kAccept, "state 2"}));
    EXPECT_EQ(interpreter->calls, (Lines{"fn:runScript ( 'gamedata/scripts/intro.omx'"}));

    EXPECT_FALSE(m_device->isQuitRequested());
    release({kDown, kDown, kDown, kReturn});
    EXPECT_TRUE(m_device->isQuitRequested());
}

TEST_F(MenueLogicTest, EnteringShowsTheMainPageAndKeepsTheRow)
{
    release(kToOptions);
    release({kDown, kDown, kDown});
    m_menu->onLeave();
    m_menu->onEnter();
    EXPECT_EQ(m_menu->getPage(), MenueLogic::kMainPage);
    EXPECT_EQ(m_menu->getSelection(), 3);
}

TEST_F(MenueLogicTest, EveryChangeWritesTheWholeFileEvenAtABound)
{
    auto* engine = new testsupport::FakeSoundEngine(m_soundJournal);
    m_device->getSoundManager()->m_engine = testsupport::SoundRef<testsupport::ISoundEngine>(engine);
    irr::scene::ICameraSceneNode* camera = m_device->getSceneManager()->addCameraSceneNode();
    g_gameBase->m_camera = camera;
    release(kToOptions);
    journal().clear();

    // Row by row from the defaults: volume at its bound, brightness, FOV, resolution, switches, anti-aliasing.
    const Keys changes[] = {{kRight}, {kDown, kRight}, {kDown, kLeft}, {kDown, kLeft},
                            {kDown, kRight}, {kDown, kLeft}, {kDown, kRight}};
    const char* const lines[] = {"volume=100", "bright=4", "fov=55", "resy=768", "fullscreen=true", "vsynch=false",
                                 "aa=8"};
    for (int row = 0; row < 7; ++row)
    {
        testsupport::writeFile("game.ini", "stale\n");
        release(changes[row]);
        const std::string text = testsupport::readFile("game.ini");
        EXPECT_NE(text.find(std::string("\n") + lines[row] + "\n"), std::string::npos) << text;
    }
    EXPECT_EQ(testsupport::readFile("game.ini"),
              "[graphics]\n#set to -1 for screen resolution\nresx=1024\nresy=768\nfullscreen=true\nvsynch=false\n"
              "aa=8\nfov=55\nbright=4\n\n[game]\ndebug=false\n\n[sound]\nvolume=100\n");
    const Talvoren::GameSettings read = Talvoren::readGameSettings(Talvoren::IniFile(L"game.ini"));
    EXPECT_EQ(Talvoren::formatGameSettings(read), testsupport::readFile("game.ini"));
    EXPECT_EQ(journal(), Lines(6, kCursor)) << "changing a value plays no sound";
    EXPECT_FLOAT_EQ(engine->volume, 1.0f);
    EXPECT_FLOAT_EQ(camera->getFOV(), 55.0f * irr::core::DEGTORAD);
}

TEST_F(MenueLogicTest, ASettingsFileThatCannotBeWrittenIsReportedOnceAndKeptWhole)
{
    release(kToOptions);
    std::filesystem::remove("game.ini");
    std::filesystem::create_directories("game.ini/inside");
    release({kRight});
    release({kDown, kRight});
    int reports = 0;
    for (const auto& message : m_device->getConsole()->getMessageList().getMessages())
        reports += message.text == L"Could not write settings file game.ini!";
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(std::filesystem::is_directory("game.ini/inside"));
}

TEST_F(MenueLogicTest, OnlyChangesThatNeedARestartShowTheNotice)
{
    release(kToOptions);
    release({kLeft, kDown, kRight, kDown, kRight});
    EXPECT_FALSE(m_menu->isNoticeShown()) << "volume, brightness and FOV take effect at once";
    release({kDown, kDown, kRight});
    EXPECT_TRUE(m_menu->isNoticeShown());
    setTime(now() + MenueLogic::kNoticeMs);
    EXPECT_TRUE(m_menu->isNoticeShown());
    setTime(now() + 1);
    EXPECT_FALSE(m_menu->isNoticeShown());
}

// None of the menu's pictures, sounds or font exists here.
TEST_F(MenueLogicTest, DrawsWithoutItsFilesAndFont)
{
    g_gameBase->m_learnedSongs[3] = 1;
    m_menu->onResize();
    m_menu->draw();
    release(kToOptions);
    m_menu->draw();
    EXPECT_EQ(m_menu->getMusic().getSound(), nullptr);
}
