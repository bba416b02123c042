#include "talvoren/processmanager/processcontainer.h"

#include "talvoren/processmanager/calleventprocess.h"
#include "talvoren/processmanager/processmanager.h"

void ProcessContainer::ProcessChannel::attach(const std::shared_ptr<Process>& process)
{
    if (!process)
        return;
    if (!m_head)
    {
        m_head = process;
        m_tail = process;
        return;
    }
    m_tail->setNext(process);
    m_tail = process;
}

void ProcessContainer::attach(const std::shared_ptr<Process>& process, std::int32_t channel)
{
    m_channels[channel].attach(process);
}

void ProcessContainer::callEvent(const std::shared_ptr<IEventData>& event, std::int32_t channel)
{
    attach(std::make_shared<CallEventProcess>(event, 0, 0), channel);
}

void ProcessContainer::startChannels(ProcessManager* manager)
{
    if (manager)
        for (const auto& channel : m_channels)
            manager->attach(channel.second.m_head);
    m_channels.clear();
}
