#pragma once
// The engine's event manager: known types, listeners per type, two queues
// switched once per tick, and the recording and replay of queued events.

#include "talvoren/ieventmanager.h"
#include "talvoren/walksafelist.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class EventManager : public IEventManager
{
public:
    using EventList = std::vector<std::shared_ptr<IEventData>>;
    //! Milliseconds of the device's timer by default.
    using TimeSource = std::function<std::uint32_t()>;

    EventManager(const char* name, bool setAsGlobal);
    ~EventManager() override;

    bool addListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type) override;
    bool removeListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type) override;
    bool trigger(const IEventData& event) override;
    bool queueEvent(const std::shared_ptr<IEventData>& event) override;
    //! Does nothing.
    bool abortEvent(const HashedString& type, bool allOfType) override;
    bool tick(std::uint32_t maxMs) override;
    bool validateType(const HashedString& type) const override;
    void registerEventType(const HashedString& type) override;

    //! Writes the record; on failure the old file stays and an error is logged.
    void saveEventLog(std::string fileName) override;
    //! Appends the file's events to the replay list; a bad file changes nothing.
    void loadEventLog(std::string fileName) override;

    //! Recording of queued events; switching it off keeps the record.
    void setLogEvents(bool logEvents) { m_logEvents = logEvents; }
    bool getLogEvents() const { return m_logEvents; }
    const EventList& getLoggedEvents() const { return m_loggedEvents; }
    std::size_t getReplayEventCount() const { return m_replayEvents.size(); }
    void setTimeSource(TimeSource timeSource);

    static constexpr int kNumQueues = 2;

private:
    using ListenerList = Talvoren::WalkSafeList<IEventListener>;
    using EventQueue = std::deque<std::shared_ptr<IEventData>>;

    ListenerList* findListeners(std::uint32_t typeHash);
    //! The type's listener list or null; valid as validateType would say.
    ListenerList* findValidListeners(const HashedString& type, bool& valid);
    void queueDueReplayEvent(std::uint32_t now);
    std::uint32_t now() const { return m_timeSource(); }

    // Listeners and events are shared with their senders and owners; the manager
    // keeps them until they are removed, dispatched or, for the record, to the end.
    bool m_logEvents;
    std::set<HashedString> m_registeredTypes;
    // Lists are never erased, so a pointer to one stays valid.
    std::map<std::uint32_t, ListenerList> m_listeners;
    //! The list under hash 0 once it exists.
    ListenerList* m_wildcardListeners;
    std::array<EventQueue, kNumQueues> m_queues;
    EventList m_loggedEvents;
    std::deque<std::shared_ptr<IEventData>> m_replayEvents;
    std::uint32_t m_replayStartTime;
    std::uint32_t m_firstLoggedTime;
    int m_activeQueue;
    TimeSource m_timeSource;
};
