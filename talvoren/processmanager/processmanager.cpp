#include "talvoren/processmanager/processmanager.h"

#include "talvoren/processmanager/process.h"

void ProcessManager::attach(const std::shared_ptr<Process>& process)
{
    if (process)
        m_processes.append(process);
}

void ProcessManager::detach(const std::shared_ptr<Process>& process)
{
    m_processes.remove(process.get(), true);
}

void ProcessManager::update(std::uint32_t deltaMs)
{
    m_processes.walkGrowing([this, deltaMs](Process& process) {
        if (process.isDead())
        {
            const std::shared_ptr<Process> next = process.getNext();
            if (next)
            {
                process.setNext(nullptr);
                attach(next);
            }
            m_processes.remove(&process, true);
        }
        else if (process.isActive() && !process.isPaused())
        {
            process.onUpdate(deltaMs);
        }
        return false;
    });
}

bool ProcessManager::hasProcess(std::int32_t type) const
{
    bool found = false;
    m_processes.forEach([type, &found](const Process& process) {
        found = found || (process.getType() == type && (!process.isDead() || process.getNext()));
    });
    return found;
}

bool ProcessManager::hasProcesses() const
{
    return !m_processes.empty();
}
