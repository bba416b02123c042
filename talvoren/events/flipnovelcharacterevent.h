#pragma once
// Story-text presenter vocabulary: mirror a character. Only created by loading an event log;
// nothing sets or reads its field.

#include "talvoren/ieventdata.h"

#include <irrTypes.h>

class FlipNovelCharacterEvent : public BaseEventData
{
public:
    FlipNovelCharacterEvent() = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    irr::s32 character = 0;

private:
    friend class boost::serialization::access;
    //! The BaseEventData part only; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};
