#include "talvoren/processmanager/waitprocess.h"

void WaitProcess::onUpdate(std::uint32_t deltaMs)
{
    Process::onUpdate(deltaMs);
    if (!m_active)
        return;
    m_elapsed += deltaMs;
    if (m_elapsed >= m_duration)
        kill();
}
