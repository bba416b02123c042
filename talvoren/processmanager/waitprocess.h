#pragma once
// Dies once its duration has passed.

#include "talvoren/processmanager/process.h"

class WaitProcess : public Process
{
public:
    WaitProcess(std::uint32_t durationMs, std::int32_t type) : Process(type), m_duration(durationMs) {}

    void onUpdate(std::uint32_t deltaMs) override;

private:
    std::uint32_t m_elapsed = 0;
    std::uint32_t m_duration;
};
