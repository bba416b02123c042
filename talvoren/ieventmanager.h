#pragma once
// The event manager interface, the global event manager and its free wrappers.

#include "talvoren/ieventdata.h"
#include "talvoren/ieventlistener.h"

#include <cstdint>
#include <memory>
#include <string>

class IEventManager
{
public:
    //! With setAsGlobal the object becomes the global event manager; the name is not kept.
    IEventManager(const char* name, bool setAsGlobal);
    //! Clears the global pointer when it points to this object.
    virtual ~IEventManager();
    IEventManager(const IEventManager&) = delete;
    IEventManager& operator=(const IEventManager&) = delete;

    //! Listeners of a type are called in the order they were added; false for an invalid
    //! type or a listener already in the type's list.
    virtual bool addListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type) = 0;
    //! Removes the listener from the lists of every type; the type only has to be valid.
    virtual bool removeListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type) = 0;
    //! Dispatches at once; true when a listener of the type consumed the event.
    virtual bool trigger(const IEventData& event) = 0;
    //! Appends to the active queue; false for an invalid type or one nobody listens to.
    virtual bool queueEvent(const std::shared_ptr<IEventData>& event) = 0;
    virtual bool abortEvent(const HashedString& type, bool allOfType) = 0;
    //! Dispatches the events queued before this call; kInfinite means no time limit.
    //! True when the dispatched queue was emptied.
    virtual bool tick(std::uint32_t maxMs) = 0;
    virtual bool validateType(const HashedString& type) const = 0;
    virtual void registerEventType(const HashedString& type) = 0;
    virtual void saveEventLog(std::string fileName);
    virtual void loadEventLog(std::string fileName);

    //! The global event manager, or null.
    static IEventManager* get();

    static constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
};

// Wrappers over the global event manager; without one they return false.
bool globalAddListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type);
bool globalRemoveListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type);
bool globalTrigger(const IEventData& event);
bool globalQueueEvent(std::shared_ptr<IEventData> event);
bool globalAbortEvent(const HashedString& type, bool allOfType);
bool globalTick(std::uint32_t maxMs);
bool globalValidateType(const HashedString& type);
