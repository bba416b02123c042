#pragma once
// Asks for a resource to be loaded later; registered by the device, sent by nobody.

#include "talvoren/ieventdata.h"

#include <irrString.h>

class AddToLoadQueueEvent : public BaseEventData
{
public:
    explicit AddToLoadQueueEvent(const irr::core::stringw& resourcePath) : path(resourcePath) {}
    AddToLoadQueueEvent(const AddToLoadQueueEvent&) = default;

    const HashedString& getEventType() const override { return kEventType; }

    static const HashedString kEventType;

    irr::core::stringw path;
};
