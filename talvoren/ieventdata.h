#pragma once
// The abstract event and the common base of every event class.
//
// An event class derives from BaseEventData, owns a static HashedString
// kEventType spelled like the class, returns it from getEventType and passes
// time stamp 0. Queued events are owned by std::shared_ptr<IEventData>; a
// triggered event may live on the sender's stack for the call.

#include "talvoren/hashedstring.h"

#include <cstdint>
#include <memory>

namespace boost
{
namespace serialization
{
class access;
}
} // namespace boost

class IEventData
{
public:
    IEventData() = default;
    //! Both copies share the follow-up event.
    IEventData(const IEventData&) = default;
    IEventData& operator=(const IEventData&) = default;
    virtual ~IEventData() = default;

    virtual const HashedString& getEventType() const = 0;
    virtual std::uint32_t getTimeStamp() const = 0;

    //! Queued by the event manager when it dispatches this event from its queue.
    std::shared_ptr<IEventData> m_followUpEvent;

private:
    friend class boost::serialization::access;
    //! Writes nothing; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};

class BaseEventData : public IEventData
{
public:
    explicit BaseEventData(std::uint32_t timeStamp = 0) : m_timeStamp(timeStamp) {}

    std::uint32_t getTimeStamp() const override { return m_timeStamp; }

protected:
    std::uint32_t m_timeStamp;

private:
    friend class boost::serialization::access;
    //! The IEventData base, then the time stamp; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};
