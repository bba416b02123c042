#pragma once
// Story-text presenter vocabulary: fill the text box. Only created by loading an event log;
// nothing sets or reads its fields.

#include "talvoren/ieventdata.h"

#include <irrString.h>
#include <irrTypes.h>

#include <memory>

class SetTextBoxEvent : public BaseEventData
{
public:
    SetTextBoxEvent() = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    irr::core::stringw name;
    irr::core::stringw text;
    irr::s32 speaker = 0;
    irr::s32 position = 0;
    irr::s32 style = 0;
    std::shared_ptr<IEventData> data;

private:
    friend class boost::serialization::access;
    //! The BaseEventData part only; defined with the event log.
    template <class Archive>
    void serialize(Archive& archive, unsigned int version);
};
