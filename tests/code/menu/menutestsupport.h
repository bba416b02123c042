#pragma once
// Fixture of the splash and menu tests: a null-driver device with the game's
// event types, a fresh game state, a stopped clock the test sets, and a
// journal of the state, new-game and sound events sent.

#include "code/src/events/gameevents.h"
#include "code/src/state/gamebase.h"
#include "talvoren/eventmanager.h"
#include "talvoren/soundsystem/playsoundevent.h"
#include "tests/support/nulldevice.h"

#include <irrlicht.h>

#include <memory>
#include <string>
#include <vector>

namespace menutest
{
//! "state <n>", "new game" or "sound <file> id <id> volume <v>".
class EventJournal : public IEventListener
{
public:
    const char* getName() override { return "EventJournal"; }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        if (const auto* state = dynamic_cast<const Belgarune::SetSystemStateEvent*>(event.get()))
            entries.push_back("state " + std::to_string(state->m_state));
        else if (const auto* sound = dynamic_cast<const PlaySoundEvent*>(event.get()))
            entries.push_back("sound " + std::string(irr::core::stringc(sound->file).c_str()) + " id " +
                              std::to_string(sound->id) + " volume " + std::to_string(sound->volume));
        else
            entries.push_back("new game");
        return false;
    }

    std::vector<std::string> entries;
};

class MenuDeviceTest : public testsupport::NullDeviceTest
{
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        m_savedGameBase = std::exchange(g_gameBase, std::make_shared<Belgarune::GameBase>());
        EventManager& events = *m_device->getEventManager();
        Belgarune::registerGameEventTypes(events);
        for (const HashedString* type : {&Belgarune::SetSystemStateEvent::kEventType,
                                         &Belgarune::NewGameEvent::kEventType, &PlaySoundEvent::kEventType})
            events.addListener(m_journal, *type);
        m_device->getIrrlichtDevice()->getTimer()->stop();
        setTime(100000);
    }
    void TearDown() override
    {
        g_gameBase = m_savedGameBase;
        NullDeviceTest::TearDown();
    }

    void setTime(irr::u32 ms) { m_device->getIrrlichtDevice()->getTimer()->setTime(ms); }
    irr::u32 now() const { return m_device->getTimeMs(); }
    std::vector<std::string>& journal() { return m_journal->entries; }

    static irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressedDown)
    {
        irr::SEvent event{};
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = key;
        event.KeyInput.PressedDown = pressedDown;
        return event;
    }

    std::shared_ptr<EventJournal> m_journal = std::make_shared<EventJournal>();
    std::shared_ptr<Belgarune::GameBase> m_savedGameBase;
};
} // namespace menutest
