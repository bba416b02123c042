#pragma once
// Runs a group of processes side by side on the device's real-time process manager
// and dies when all of them have died.

#include "talvoren/processmanager/process.h"

#include <vector>

class MergeProcess : public Process
{
public:
    //! waitForMerged false: the successor starts together with the merged processes.
    MergeProcess(bool waitForMerged, std::int32_t type) : Process(type), m_waitForMerged(waitForMerged) {}

    //! An empty pointer is ignored.
    void addProcess(const std::shared_ptr<Process>& process);
    void onInitialize() override;
    void onUpdate(std::uint32_t deltaMs) override;

private:
    std::vector<std::shared_ptr<Process>> m_processes;
    bool m_waitForMerged;
};
