#pragma once
// A unit of timed work that a process manager updates every frame until it dies.

#include <cstdint>
#include <memory>

class Process
{
public:
    explicit Process(std::int32_t type) : m_type(type) {}
    //! Releases the successor.
    virtual ~Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    //! Subclasses call this first: the first update runs onInitialize.
    virtual void onUpdate(std::uint32_t deltaMs)
    {
        (void)deltaMs;
        if (m_initialUpdate)
        {
            onInitialize();
            m_initialUpdate = false;
        }
    }
    virtual void onInitialize() {}
    virtual void kill() { m_dead = true; }
    virtual void togglePause() { m_paused = !m_paused; }

    bool isDead() const { return m_dead; }
    bool isActive() const { return m_active; }
    bool isPaused() const { return m_paused; }
    std::int32_t getType() const { return m_type; }
    //! The successor, started by the manager once this process is found dead.
    std::shared_ptr<Process> getNext() const { return m_next; }
    void setNext(const std::shared_ptr<Process>& next) { m_next = next; }

protected:
    std::int32_t m_type;
    bool m_dead = false;
    bool m_active = true;
    bool m_paused = false;
    bool m_initialUpdate = true;
    std::shared_ptr<Process> m_next;
};
