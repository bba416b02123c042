// Event log files of any content: reading never crashes, leaks or asks for
// more memory than the file could describe.

#include "talvoren/eventlogarchive.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    Talvoren::EventLogArchive::Events events;
    std::string error;
    const bool read = Talvoren::EventLogArchive::read(stream, size, events, error);
    if (read != error.empty())
        __builtin_trap();
    return 0;
}
