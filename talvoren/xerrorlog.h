#pragma once
// Turns the X errors of a run into log lines.

#include "platform/xerrorhandler.h"

#include <irrTypes.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Talvoren
{
//! A refused vertical-sync request becomes one information line; an error
//! seen before is only counted, and flushRepeats logs its count. Lines wait
//! until open: while the device is being created there is no log to take them.
class XErrorLog
{
public:
    using Writer = std::function<void(const std::string& text, irr::u32 type)>;
    explicit XErrorLog(Writer write);

    void report(const platform::XError& error);
    //! Writes the lines held so far; later lines are written at once.
    void open();
    //! One line for each error repeated since the last flush, with its count.
    void flushRepeats();

private:
    struct SeenError
    {
        std::string text;
        unsigned repeats;
    };
    void write(const std::string& text, irr::u32 type);

    Writer m_write;
    bool m_open = false;
    std::vector<std::pair<std::string, irr::u32>> m_held;
    std::vector<SeenError> m_seen;
    bool m_swapControlReported = false;
};
} // namespace Talvoren
