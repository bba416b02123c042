#pragma once
// A named value the console shows in its box of debug variables.

#include <irrString.h>
#include <irrTypes.h>

namespace Talvoren
{
struct DebugVariable
{
    DebugVariable(irr::u32 id, const irr::core::stringw& value, const irr::core::stringw& name)
        : id(id), value(value), name(name)
    {
    }

    irr::u32 id;
    irr::core::stringw value;
    irr::core::stringw name;
};
} // namespace Talvoren
