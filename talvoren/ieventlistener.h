#pragma once
// The receiving end of the event manager.

#include <memory>

class IEventData;

class IEventListener
{
public:
    virtual ~IEventListener() = default;
    //! The listener's name, for logs.
    virtual const char* getName() = 0;
    //! Returns true when the event is consumed.
    virtual bool handleEvent(const std::shared_ptr<IEventData>& event) = 0;
};
