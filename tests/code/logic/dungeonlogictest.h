#pragma once
// Fixture of the dungeon logic tests: the logic set up with a recording view,
// a script line recorder and a fake sound engine, registered as main registers it.

#include "code/src/events/gameevents.h"
#include "code/src/logic/dungeon/dungeongamelogic.h"
#include "code/src/state/gamebase.h"
#include "code/src/world/gameactor.h"
#include "code/src/world/gameworld.h"
#include "talvoren/clock.h"
#include "talvoren/eventmanager.h"
#include "talvoren/soundsystem/soundmanager.h"
#include "tests/code/logic/scriptlinerecorder.h"
#include "tests/code/menu/menutestsupport.h"
#include "tests/support/fakesoundengine.h"
#include "tests/support/recordingview.h"

#include <irrlicht.h>

#include <memory>
#include <string>

namespace logictest
{
//! The menu tests' device, game state and event types, with the logic on top.
class DungeonLogicTest : public menutest::MenuDeviceTest
{
protected:
    void SetUp() override
    {
        MenuDeviceTest::SetUp();
        EventManager& events = *m_device->getEventManager();
        m_sounds = new testsupport::FakeSoundEngine(m_soundJournal);
        m_device->getSoundManager()->m_engine = testsupport::SoundRef<testsupport::ISoundEngine>(m_sounds);
        m_logic = std::make_shared<Belgarune::DungeonGameLogic>(
            [this] {
                return Belgarune::DungeonGameLogic::ViewHandle{m_view, m_view};
            },
            m_scripts);
        writeGameData();
        m_logic->init();
        for (const HashedString* type : Belgarune::DungeonGameLogic::handledEventTypes())
            events.addListener(m_logic, *type);
    }
    void TearDown() override
    {
        m_logic->release();
        m_logic.reset();
        g_gameBase->m_world.reset();
        MenuDeviceTest::TearDown();
    }

    //! Writes the files the set-up reads into the working directory (none by default).
    virtual void writeGameData() {}
    //! Through the splash and the menu into the game, as Escape in the menu does.
    void enterGame() { send(Belgarune::SetSystemStateEvent(Belgarune::SystemState::Game)); }
    void send(const IEventData& event) { m_device->getEventManager()->trigger(event); }
    //! One frame of the logic after the game clock advanced by ms.
    void frame(irr::u32 ms)
    {
        m_device->getGameClock()->update(ms);
        m_logic->update();
    }
    void frames(irr::u32 count, irr::u32 ms)
    {
        for (irr::u32 k = 0; k < count; ++k)
            frame(ms);
    }
    //! Whether a sound of that file was started.
    bool played(const std::string& file) const
    {
        for (const testsupport::FakeSoundEngine::Play& play : m_sounds->plays)
        {
            if (play.fileName == file)
                return true;
        }
        return false;
    }
    irr::s32 now() const { return static_cast<irr::s32>(m_device->getGameClock()->getTotal()); }
    Belgarune::GameActor& player() { return *g_gameBase->m_world->getPlayer(); }
    //! Puts the player at the world position, as his input does each frame.
    void placePlayer(const irr::core::vector3df& position)
    {
        player().setPosition(position);
        g_gameBase->m_playerPosition = position;
    }

    //! Press and release.
    bool tap(irr::EKEY_CODE key)
    {
        m_logic->OnEvent(keyEvent(key, true));
        return m_logic->OnEvent(keyEvent(key, false));
    }

    std::shared_ptr<testsupport::RecordingView> m_view = std::make_shared<testsupport::RecordingView>();
    ScriptLineRecorder m_scripts;
    testsupport::Journal m_soundJournal;
    //! Owned by the sound manager.
    testsupport::FakeSoundEngine* m_sounds = nullptr;
    std::shared_ptr<Belgarune::DungeonGameLogic> m_logic;
};
} // namespace logictest
