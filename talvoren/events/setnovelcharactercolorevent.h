#pragma once
// Story-text presenter vocabulary: colour of a character. Only created by loading an event
// log; nothing sets or reads its fields.

#include "talvoren/ieventdata.h"

#include <SColor.h>
#include <irrTypes.h>

class SetNovelCharacterColorEvent : public BaseEventData
{
public:
    SetNovelCharacterColorEvent() = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    irr::u32 character = 0;
    irr::u32 fadeTimeMs = 0;
    irr::video::SColor color;

private:
    friend class boost::serialization::access;
    //! The BaseEventData part only; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};
