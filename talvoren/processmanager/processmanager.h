#pragma once
// Runs the attached processes once per frame and hands a dead one over to its successor.

#include "talvoren/walksafelist.h"

#include <cstdint>
#include <memory>

class Process;

class ProcessManager
{
public:
    //! Appends; a process attached twice is updated twice per frame.
    void attach(const std::shared_ptr<Process>& process);
    //! Removes every entry of the process; safe while the list is being updated.
    void detach(const std::shared_ptr<Process>& process);
    //! Updates every live, active, unpaused process; a dead one is removed and its
    //! successor appended, to run its first step in this same update.
    void update(std::uint32_t deltaMs);
    //! A process of that type that is alive, or dead with a successor waiting.
    bool hasProcess(std::int32_t type) const;
    bool hasProcesses() const;

private:
    // Shares ownership with whoever else holds the processes.
    Talvoren::WalkSafeList<Process> m_processes;
};
