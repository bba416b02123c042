#pragma once
// Story-text presenter vocabulary: show the next text. Only created by loading an event log.

#include "talvoren/ieventdata.h"

class NextTextEvent : public BaseEventData
{
public:
    NextTextEvent() = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

private:
    friend class boost::serialization::access;
    //! The BaseEventData part only; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};
