#include "talvoren/log.h"

#include "platform/messagebox.h"
#include "talvoren/ombeldevice.h"

namespace Talvoren
{
irr::core::stringw formatLogText(const irr::core::stringw& format, const irr::core::stringw& argument)
{
    irr::core::stringw text = format;
    if (argument.size() == 0)
        return text;
    const irr::s32 at = text.find(L"%p");
    if (at < 0)
        return text;
    return text.subString(0, at) + argument + text.subString(at + 2, text.size() - at - 2);
}

void log(const irr::core::stringw& text, irr::u32 type, bool force)
{
    if (g_device)
        g_device->log(text, type, force);
    else
        platform::showMessageBox(g_engineName, text.c_str());
}

void logError(const irr::core::stringw& format, const irr::core::stringw& argument)
{
    log(formatLogText(format, argument), kLogError, false);
}
} // namespace Talvoren
