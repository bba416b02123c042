#include "tests/support/xerrors.h"

#include <X11/Xlib.h>

namespace testsupport
{
bool provokeLostWindowError()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display, window);
    XDestroyWindow(display, window);
    XSync(display, False);
    XCloseDisplay(display);
    return true;
}
} // namespace testsupport
