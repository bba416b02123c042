#include "talvoren/xerrorlog.h"

#include "talvoren/log.h"

#include <algorithm>

namespace Talvoren
{
XErrorLog::XErrorLog(Writer write) : m_write(std::move(write)) {}

void XErrorLog::report(const platform::XError& error)
{
    if (error.kind == platform::XErrorKind::SwapControlRefused)
    {
        if (!m_swapControlReported)
            write("Vertical sync is not available on this display.", kLogInfo);
        m_swapControlReported = true;
        return;
    }
    const auto seen = std::find_if(m_seen.begin(), m_seen.end(),
                                   [&](const SeenError& entry) { return entry.text == error.text; });
    if (seen != m_seen.end())
    {
        ++seen->repeats;
        return;
    }
    m_seen.push_back({error.text, 0});
    write(error.text, kLogError);
}

void XErrorLog::open()
{
    m_open = true;
    for (const auto& [text, type] : m_held)
        m_write(text, type);
    m_held.clear();
}

void XErrorLog::flushRepeats()
{
    for (SeenError& entry : m_seen)
    {
        if (entry.repeats > 0)
            write(entry.text + " (repeated " + std::to_string(entry.repeats) + " more times)", kLogError);
        entry.repeats = 0;
    }
}

void XErrorLog::write(const std::string& text, irr::u32 type)
{
    if (m_open)
        m_write(text, type);
    else
        m_held.emplace_back(text, type);
}
} // namespace Talvoren
