#include "talvoren/eventmanager.h"

#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "talvoren/diagnostics.h"
#include "talvoren/eventlogarchive.h"
#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"

#include <iterator>
#include <utility>

namespace
{
std::uint32_t deviceTime()
{
    return g_device ? g_device->getTimeMs() : 0;
}

void logEventLogError(const char* format, const std::string& fileName, const std::string& reason)
{
    const std::string text = std::string(format) + reason;
    Talvoren::logError(platform::widen(text).c_str(), platform::widen(fileName).c_str());
}
} // namespace

EventManager::EventManager(const char* name, bool setAsGlobal)
    : IEventManager(name, setAsGlobal),
      m_logEvents(false),
      m_wildcardListeners(nullptr),
      m_replayStartTime(0),
      m_firstLoggedTime(0),
      m_activeQueue(0),
      m_timeSource(deviceTime)
{
}

EventManager::~EventManager() = default;

void EventManager::setTimeSource(TimeSource timeSource)
{
    m_timeSource = timeSource ? std::move(timeSource) : TimeSource(deviceTime);
}

EventManager::ListenerList* EventManager::findListeners(std::uint32_t typeHash)
{
    const auto found = m_listeners.find(typeHash);
    return found == m_listeners.end() ? nullptr : &found->second;
}

EventManager::ListenerList* EventManager::findValidListeners(const HashedString& type, bool& valid)
{
    ListenerList* listeners = findListeners(type.getHashValue());
    // Lists are made only for types that passed validation, and types stay registered.
    valid = (listeners && type.getHashValue() != 0) || validateType(type);
    return listeners;
}

bool EventManager::validateType(const HashedString& type) const
{
    if (type.getName().empty())
        return false;
    if (type.getHashValue() == 0 && type.getName() != "*")
        return false;
    if (m_registeredTypes.find(type) == m_registeredTypes.end())
    {
        Talvoren::reportAssertion(
            "Failed validation of an event Type; it as probably not registered with the EventManager!");
        return false;
    }
    return true;
}

void EventManager::registerEventType(const HashedString& type)
{
    if (!m_registeredTypes.insert(type).second)
        Talvoren::reportAssertion("Attempted to register an event type that has already been registered!");
}

bool EventManager::addListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type)
{
    if (!listener || !validateType(type))
        return false;
    ListenerList& listeners = m_listeners[type.getHashValue()];
    if (type.getHashValue() == 0)
        m_wildcardListeners = &listeners;
    if (listeners.contains(listener.get()))
        return false;
    listeners.append(listener);
    return true;
}

bool EventManager::removeListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type)
{
    if (!validateType(type))
        return false;
    bool removed = false;
    for (auto& entry : m_listeners)
        removed = entry.second.remove(listener.get(), false) > 0 || removed;
    return removed;
}

bool EventManager::trigger(const IEventData& event)
{
    bool valid = false;
    ListenerList* listeners = findValidListeners(event.getEventType(), valid);
    if (!valid)
        return false;
    // The event may live on the sender's stack: the listeners get a pointer that owns nothing.
    const std::shared_ptr<IEventData> pointer(std::shared_ptr<IEventData>(), const_cast<IEventData*>(&event));

    if (m_wildcardListeners)
        m_wildcardListeners->walkSnapshot([&pointer](IEventListener& listener) {
            listener.handleEvent(pointer);
            return false;
        });

    // The wildcard listeners may have given the type its first listener.
    if (!listeners && m_wildcardListeners)
        listeners = findListeners(event.getEventType().getHashValue());
    if (!listeners)
        return false;
    bool consumed = false;
    listeners->walkSnapshot([&pointer, &consumed](IEventListener& listener) {
        consumed = listener.handleEvent(pointer) || consumed;
        return false;
    });
    return consumed;
}

bool EventManager::queueEvent(const std::shared_ptr<IEventData>& event)
{
    if (m_activeQueue < 0)
        Talvoren::reportAssertion("m_activeQueue >= 0");
    if (m_activeQueue >= kNumQueues)
        Talvoren::reportAssertion("m_activeQueue < kNumQueues");
    if (!event)
        return false;
    bool valid = false;
    const ListenerList* listeners = findValidListeners(event->getEventType(), valid);
    if (!valid || (!listeners && !m_wildcardListeners))
        return false;

    m_queues[m_activeQueue].push_back(event);
    if (m_logEvents)
    {
        m_loggedEvents.push_back(event);
        if (g_device)
            g_device->setDebugVariable(1, static_cast<double>(m_loggedEvents.size()), L"Logged Events");
    }
    return true;
}

bool EventManager::abortEvent(const HashedString&, bool)
{
    return true;
}

void EventManager::queueDueReplayEvent(std::uint32_t startTime)
{
    if (m_replayEvents.empty())
        return;
    const std::shared_ptr<IEventData> event = m_replayEvents.front();
    if (startTime - m_replayStartTime > event->getTimeStamp() - m_firstLoggedTime)
    {
        m_replayEvents.pop_front();
        queueEvent(event);
    }
}

bool EventManager::tick(std::uint32_t maxMs)
{
    const std::uint32_t startTime = now();
    queueDueReplayEvent(startTime);
    const std::uint32_t endTime = maxMs == kInfinite ? kInfinite : startTime + maxMs;
    ListenerList* wildcard = m_wildcardListeners;

    // From here on, every event queued waits for the next tick. The dispatched
    // events leave the queues, so a listener's nested tick cannot drop them.
    EventQueue dispatched;
    dispatched.swap(m_queues[m_activeQueue]);
    m_activeQueue = (m_activeQueue + 1) % kNumQueues;

    while (!dispatched.empty())
    {
        const std::shared_ptr<IEventData> event = std::move(dispatched.front());
        dispatched.pop_front();
        if (event->m_followUpEvent)
            queueEvent(event->m_followUpEvent);

        if (wildcard)
            wildcard->walkSnapshot([&event](IEventListener& listener) {
                listener.handleEvent(event);
                return false;
            });

        ListenerList* listeners = findListeners(event->getEventType().getHashValue());
        if (!listeners)
            continue;
        listeners->walkSnapshot([&event](IEventListener& listener) { return listener.handleEvent(event); });

        if (maxMs != kInfinite && now() >= endTime)
            break;
    }

    const bool emptied = dispatched.empty();
    // A nested tick may have switched the queues meanwhile.
    EventQueue& active = m_queues[m_activeQueue];
    active.insert(active.begin(), std::make_move_iterator(dispatched.begin()),
                  std::make_move_iterator(dispatched.end()));
    return emptied;
}

void EventManager::saveEventLog(std::string fileName)
{
    std::string reason;
    if (!Talvoren::EventLogArchive::write(platform::resolvePath(fileName), m_loggedEvents, reason))
        logEventLogError("Event log %p could not be saved: ", fileName, reason);
}

void EventManager::loadEventLog(std::string fileName)
{
    Talvoren::EventLogArchive::Events events;
    std::string reason;
    if (!Talvoren::EventLogArchive::read(platform::resolvePath(fileName), events, reason))
    {
        logEventLogError("Event log %p could not be loaded: ", fileName, reason);
        return;
    }
    if (events.empty())
        return;
    m_replayEvents.insert(m_replayEvents.end(), events.begin(), events.end());
    m_replayStartTime = now();
    m_firstLoggedTime = m_replayEvents.front()->getTimeStamp();
}
