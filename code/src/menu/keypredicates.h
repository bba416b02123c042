#pragma once
// The game's direction, accept and cancel keys, shared by the menus and the dungeon logic.

#include <irrTypes.h>

namespace Belgarune
{
// Each takes an Irrlicht key code as a whole number.

//! Up arrow or W.
bool isUpKey(irr::s32 key);
//! Down arrow or S.
bool isDownKey(irr::s32 key);
//! Left arrow or A.
bool isLeftKey(irr::s32 key);
//! Right arrow or D.
bool isRightKey(irr::s32 key);
//! Space or Return.
bool isAcceptKey(irr::s32 key);
//! Escape or X.
bool isCancelKey(irr::s32 key);
} // namespace Belgarune
