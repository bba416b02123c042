#pragma once
// Test events and a listener that records its calls into a shared journal.

#include "talvoren/eventmanager.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace eventtest
{
template <const char* Name>
class NamedEvent : public BaseEventData
{
public:
    explicit NamedEvent(int tag = 0) : tag(tag) {}
    const HashedString& getEventType() const override { return kEventType; }
    static const HashedString kEventType;
    int tag;
};
template <const char* Name>
const HashedString NamedEvent<Name>::kEventType(Name);

inline constexpr char kAlphaName[] = "AlphaEvent";
inline constexpr char kBetaName[] = "BetaEvent";
using AlphaEvent = NamedEvent<kAlphaName>;
using BetaEvent = NamedEvent<kBetaName>;

inline const HashedString kWildcard("*");

using Journal = std::vector<std::string>;

//! Writes "<name>:<type name>:<tag>" for every event; returns `consume`.
class JournalListener : public IEventListener
{
public:
    JournalListener(std::string name, Journal& journal, bool consume = false)
        : m_name(std::move(name)), m_journal(journal), m_consume(consume)
    {
    }
    const char* getName() override { return m_name.c_str(); }
    bool handleEvent(const std::shared_ptr<IEventData>& event) override
    {
        const auto* named = dynamic_cast<const AlphaEvent*>(event.get());
        const auto* beta = dynamic_cast<const BetaEvent*>(event.get());
        const int tag = named ? named->tag : (beta ? beta->tag : -1);
        m_journal.push_back(m_name + ":" + event->getEventType().getName() + ":" + std::to_string(tag));
        if (action)
            action(event);
        return m_consume;
    }

    //! Runs inside handleEvent, after the journal entry.
    std::function<void(const std::shared_ptr<IEventData>&)> action;

private:
    std::string m_name;
    Journal& m_journal;
    bool m_consume;
};

//! A manager with Alpha and Beta registered and a clock the test sets.
struct ManagerWithClock
{
    ManagerWithClock() : manager("TestEventManager", false)
    {
        manager.setTimeSource([this] { return now; });
        manager.registerEventType(AlphaEvent::kEventType);
        manager.registerEventType(BetaEvent::kEventType);
    }
    std::shared_ptr<JournalListener> listen(const std::string& name, const HashedString& type, bool consume = false)
    {
        auto listener = std::make_shared<JournalListener>(name, journal, consume);
        manager.addListener(listener, type);
        return listener;
    }

    std::uint32_t now = 1000;
    EventManager manager;
    Journal journal;
};
} // namespace eventtest
