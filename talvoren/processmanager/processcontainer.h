#pragma once
// A staging area for chains of processes, one chain per channel number.

#include <cstdint>
#include <map>
#include <memory>

class IEventData;
class Process;
class ProcessManager;

class ProcessContainer
{
public:
    struct ProcessChannel
    {
        //! Appends to the chain through the tail's successor; an empty pointer is ignored.
        void attach(const std::shared_ptr<Process>& process);

        std::shared_ptr<Process> m_head;
        std::shared_ptr<Process> m_tail;
    };

    void attach(const std::shared_ptr<Process>& process, std::int32_t channel);
    //! Appends a CallEventProcess without delay to the channel's chain.
    void callEvent(const std::shared_ptr<IEventData>& event, std::int32_t channel);
    //! Attaches each channel's head in ascending channel order, then forgets the channels.
    void startChannels(ProcessManager* manager);

private:
    std::map<std::int32_t, ProcessChannel> m_channels;
};
