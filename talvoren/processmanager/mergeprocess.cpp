#include "talvoren/processmanager/mergeprocess.h"

#include "talvoren/ombeldevice.h"
#include "talvoren/processmanager/processmanager.h"

#include <algorithm>

void MergeProcess::addProcess(const std::shared_ptr<Process>& process)
{
    if (process)
        m_processes.push_back(process);
}

void MergeProcess::onInitialize()
{
    const std::shared_ptr<ProcessManager> manager = g_device ? g_device->getProcessManager() : nullptr;
    if (!manager)
        return;
    for (const std::shared_ptr<Process>& process : m_processes)
        manager->attach(process);
    if (!m_waitForMerged && m_next)
    {
        const std::shared_ptr<Process> next = m_next;
        m_next.reset();
        manager->attach(next);
    }
}

void MergeProcess::onUpdate(std::uint32_t deltaMs)
{
    Process::onUpdate(deltaMs);
    if (!m_active)
        return;
    const bool allDead = std::all_of(m_processes.begin(), m_processes.end(),
                                     [](const std::shared_ptr<Process>& process) { return process->isDead(); });
    if (allDead)
        kill();
}
