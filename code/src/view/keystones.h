#pragma once
// The keystones that light up when the hero gains a key.

#include <irrTypes.h>

namespace Belgarune
{
class VisualSpace;

//! Items 1..3 give their keystone object its lit texture; other items, and
//! keystones never placed, change nothing.
void lightKeystone(VisualSpace& space, irr::u32 item);
} // namespace Belgarune
