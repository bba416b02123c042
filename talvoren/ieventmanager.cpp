#include "talvoren/ieventmanager.h"

#include "talvoren/diagnostics.h"

namespace
{
IEventManager* g_eventManager = nullptr;

IEventManager* requireGlobal()
{
    if (!g_eventManager)
        Talvoren::reportAssertion("No EventManager!");
    return g_eventManager;
}
} // namespace

IEventManager::IEventManager(const char*, bool setAsGlobal)
{
    if (setAsGlobal)
        g_eventManager = this;
}

IEventManager::~IEventManager()
{
    if (g_eventManager == this)
        g_eventManager = nullptr;
}

void IEventManager::saveEventLog(std::string)
{
}

void IEventManager::loadEventLog(std::string)
{
}

IEventManager* IEventManager::get()
{
    return g_eventManager;
}

bool globalAddListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->addListener(listener, type);
}

bool globalRemoveListener(const std::shared_ptr<IEventListener>& listener, const HashedString& type)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->removeListener(listener, type);
}

bool globalTrigger(const IEventData& event)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->trigger(event);
}

bool globalQueueEvent(std::shared_ptr<IEventData> event)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->queueEvent(event);
}

bool globalAbortEvent(const HashedString& type, bool allOfType)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->abortEvent(type, allOfType);
}

bool globalTick(std::uint32_t maxMs)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->tick(maxMs);
}

bool globalValidateType(const HashedString& type)
{
    IEventManager* manager = requireGlobal();
    return manager && manager->validateType(type);
}
