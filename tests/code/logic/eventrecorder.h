#pragma once
// A global event manager with the game's types and a listener that keeps the
// songs played and the deaths triggered through it.

#include "code/src/events/gameevents.h"
#include "talvoren/eventmanager.h"

#include <memory>
#include <utility>
#include <vector>

namespace logictest
{
class EventRecorder
{
public:
    EventRecorder() : m_manager("TestEventManager", true), m_listener(std::make_shared<Listener>())
    {
        Belgarune::registerGameEventTypes(m_manager);
        m_manager.addListener(m_listener, Belgarune::SongPlayedEvent::kEventType);
        m_manager.addListener(m_listener, Belgarune::DieEvent::kEventType);
    }

    //! Song id and position of each SongPlayedEvent.
    const std::vector<std::pair<irr::u32, irr::core::vector3df>>& songs() const { return m_listener->songs; }
    //! Actor id of each DieEvent.
    const std::vector<irr::u32>& deaths() const { return m_listener->deaths; }

private:
    struct Listener : IEventListener
    {
        const char* getName() override { return "EventRecorder"; }
        bool handleEvent(const std::shared_ptr<IEventData>& event) override
        {
            if (const auto* song = dynamic_cast<const Belgarune::SongPlayedEvent*>(event.get()))
                songs.emplace_back(song->m_songId, song->m_position);
            if (const auto* die = dynamic_cast<const Belgarune::DieEvent*>(event.get()))
                deaths.push_back(die->m_actorId);
            return false;
        }

        std::vector<std::pair<irr::u32, irr::core::vector3df>> songs;
        std::vector<irr::u32> deaths;
    };

    EventManager m_manager;
    std::shared_ptr<Listener> m_listener;
};
} // namespace logictest
