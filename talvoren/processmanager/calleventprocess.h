#pragma once
// Triggers an event through the device's event manager once its delay has passed.

#include "talvoren/processmanager/process.h"

class IEventData;

class CallEventProcess : public Process
{
public:
    //! Without an event the process is dead at once.
    CallEventProcess(std::shared_ptr<IEventData> event, std::uint32_t delayMs, std::int32_t type);

    void onUpdate(std::uint32_t deltaMs) override;

private:
    std::uint32_t m_elapsed = 0;
    std::uint32_t m_delay;
    std::shared_ptr<IEventData> m_event;
};
