#pragma once
// How the editor's keys move its camera: W, A, S, D slide the focus over the
// ground, plus and minus lower and raise the camera.

#include <irrTypes.h>
#include <vector3d.h>

namespace Belgarune
{
struct EditorKeys
{
    bool w = false;
    bool a = false;
    bool s = false;
    bool d = false;
    bool plus = false;
    bool minus = false;
};

//! The keys held now in the device's key table.
EditorKeys heldEditorKeys();

//! W +x, S -x, A +z, D -z, each 0.09 units per millisecond of the frame.
irr::core::vector3df movedFocus(irr::core::vector3df focus, const EditorKeys& keys, irr::u32 frameMs);
//! Plus 5 nearer, minus 5 further, once per frame; no limits.
irr::f32 changedZoom(irr::f32 zoom, const EditorKeys& keys);
} // namespace Belgarune
