#pragma once
// The size of the desktop as the display server reports it.

namespace platform
{
struct DesktopSize
{
    unsigned width = 0;
    unsigned height = 0;
};

//! The default screen of the display named by DISPLAY; 0 x 0 when no display can be opened.
DesktopSize queryDesktopSize();
} // namespace platform
