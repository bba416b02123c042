#pragma once
// The figures scripts create by name: the masked enemies, the sister and the
// standing mask.

#include "code/src/world/mapcoord.h"

#include <irrString.h>
#include <irrTypes.h>

#include <memory>

namespace Belgarune
{
class GameActor;

//! The figure the name stands for (spelled exactly so) with that id, on the
//! cell at the cell's height, looking east; the standing mask looks the way a
//! chooses. Null for any other name.
std::unique_ptr<GameActor> createNamedActor(const irr::core::stringw& name, irr::s32 id, const MapCoord& cell,
                                            irr::s32 a);
} // namespace Belgarune
