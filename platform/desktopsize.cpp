#include "platform/desktopsize.h"

#include <X11/Xlib.h>

namespace platform
{
DesktopSize queryDesktopSize()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return DesktopSize();
    const int screen = DefaultScreen(display);
    DesktopSize size;
    size.width = static_cast<unsigned>(DisplayWidth(display, screen));
    size.height = static_cast<unsigned>(DisplayHeight(display, screen));
    XCloseDisplay(display);
    return size;
}
} // namespace platform
