#pragma once
// The screen rectangle that a set of scene nodes covers as a camera sees them.

#include <irrArray.h>
#include <rect.h>
#include <dimension2d.h>

namespace irr
{
namespace scene
{
class ICameraSceneNode;
class ISceneNode;
} // namespace scene
} // namespace irr

namespace Belgarune
{
//! The smallest rectangle around the projected corners of the nodes'
//! transformed bounding boxes, widened by margin pixels and cut to the screen.
//! Uses the camera's matrices as last updated; empty for no nodes.
irr::core::rect<irr::s32> screenBand(const irr::scene::ICameraSceneNode& camera,
                                     const irr::core::array<irr::scene::ISceneNode*>& nodes,
                                     const irr::core::dimension2du& screen, irr::s32 margin);
} // namespace Belgarune
