#include "code/src/editor/editorcontrols.h"

#include "talvoren/ombeldevice.h"

namespace Belgarune
{
namespace
{
const irr::f32 kSlidePerMs = 0.09f;
const irr::f32 kZoomStep = 5.0f;
} // namespace

EditorKeys heldEditorKeys()
{
    EditorKeys keys;
    keys.w = g_device->isKeyDown(irr::KEY_KEY_W);
    keys.a = g_device->isKeyDown(irr::KEY_KEY_A);
    keys.s = g_device->isKeyDown(irr::KEY_KEY_S);
    keys.d = g_device->isKeyDown(irr::KEY_KEY_D);
    keys.plus = g_device->isKeyDown(irr::KEY_PLUS);
    keys.minus = g_device->isKeyDown(irr::KEY_MINUS);
    return keys;
}

irr::core::vector3df movedFocus(irr::core::vector3df focus, const EditorKeys& keys, irr::u32 frameMs)
{
    const irr::f32 step = static_cast<irr::f32>(frameMs) * kSlidePerMs;
    if (keys.w)
        focus.X += step;
    if (keys.s)
        focus.X -= step;
    if (keys.a)
        focus.Z += step;
    if (keys.d)
        focus.Z -= step;
    return focus;
}

irr::f32 changedZoom(irr::f32 zoom, const EditorKeys& keys)
{
    if (keys.plus)
        zoom -= kZoomStep;
    if (keys.minus)
        zoom += kZoomStep;
    return zoom;
}
} // namespace Belgarune
