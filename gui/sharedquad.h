#pragma once
// The unit quad every letter of a text scene node is copied from.

namespace irr
{
namespace scene
{
struct SMesh;

//! Made on first use and released at exit; the callers copy it, never change it.
SMesh* getSharedQuad();
} // namespace scene
} // namespace irr
