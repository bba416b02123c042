#include "talvoren/processmanager/calleventprocess.h"

#include "talvoren/eventmanager.h"
#include "talvoren/ombeldevice.h"

CallEventProcess::CallEventProcess(std::shared_ptr<IEventData> event, std::uint32_t delayMs, std::int32_t type)
    : Process(type), m_delay(delayMs), m_event(std::move(event))
{
    if (!m_event)
        kill();
}

void CallEventProcess::onUpdate(std::uint32_t deltaMs)
{
    Process::onUpdate(deltaMs);
    if (!m_active)
        return;
    m_elapsed += deltaMs;
    if (m_elapsed < m_delay)
        return;
    if (g_device && g_device->getEventManager())
        g_device->getEventManager()->trigger(*m_event);
    kill();
}
