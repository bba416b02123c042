#pragma once
// Entry points for messages: they go through the device when there is one.

#include <irrTypes.h>
#include <irrString.h>

namespace Talvoren
{
//! Message types; each has its colour in the console.
enum LogType : irr::u32
{
    kLogPlain = 0,
    kLogInfo = 1,
    kLogError = 3,
    kLogMark = 4,
    kLogSecondary = 5
};

//! The first "%p" of format replaced by argument, only when argument is not empty.
irr::core::stringw formatLogText(const irr::core::stringw& format, const irr::core::stringw& argument);

//! OmbelDevice::log of the global device; without a device, a message box.
void log(const irr::core::stringw& text, irr::u32 type = kLogInfo, bool force = false);

//! OmbelDevice::logError of the global device; without a device, a message box.
void logError(const irr::core::stringw& format, const irr::core::stringw& argument = irr::core::stringw());
} // namespace Talvoren
