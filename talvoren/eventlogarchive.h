#pragma once
// Reading and writing the event log file, a Boost text archive of events.

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class IEventData;

namespace Talvoren
{
namespace EventLogArchive
{
using Events = std::vector<std::shared_ptr<IEventData>>;

//! Writes the count and the events through a temporary file renamed over path
//! on success; on failure path is untouched and error says why.
bool write(const std::string& path, const Events& events, std::string& error);

//! Reads every event of the file into events (which is replaced) or, on any
//! fault of the file, leaves events empty and says why.
bool read(const std::string& path, Events& events, std::string& error);
//! The same from a stream of byteCount bytes.
bool read(std::istream& stream, std::size_t byteCount, Events& events, std::string& error);
} // namespace EventLogArchive
} // namespace Talvoren
