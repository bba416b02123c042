#pragma once
// The engine's console commands: lines that begin with the prompt word "ombel ".

#include <irrString.h>

namespace Talvoren
{
class OmbelDevice;

//! True for a line that begins with "ombel " (lower case, one blank).
bool isEngineCommand(const irr::core::stringw& line);

//! Runs an engine command line on the device. Words are read by position: the
//! second selects the command, the third is its argument; a missing word reads
//! as empty.
void runEngineCommand(OmbelDevice& device, const irr::core::stringw& line);
} // namespace Talvoren
