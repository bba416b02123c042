#pragma once
// The tone presses that play a sheet, as the song recogniser follows them.

#include <vector>

namespace Belgarune
{
struct MusicSheet;

//! One tone per step that sounds, in step order: the highest track of the step.
//! Steps beyond track 0's length do not count.
std::vector<int> sheetPresses(const MusicSheet& sheet);
} // namespace Belgarune
