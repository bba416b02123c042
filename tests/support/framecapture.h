#pragma once
// Test helper: the OpenGL frame buffer read back before the frame ends, and
// kept as a picture under <build dir>/test-artifacts/.

#include <irrlicht.h>

#include <string>
#include <vector>

namespace testsupport
{
//! Red, green and blue each within tolerance.
bool isNear(const irr::video::SColor& a, const irr::video::SColor& b, irr::s32 tolerance);

struct Frame
{
    irr::u32 width = 0;
    irr::u32 height = 0;
    //! RGBA, top row first.
    std::vector<irr::u8> pixels;

    irr::video::SColor at(irr::u32 x, irr::u32 y) const;
    //! Pixels in the rectangle within tolerance of the colour in every channel.
    irr::u32 countNear(const irr::core::rect<irr::s32>& area, irr::video::SColor color, irr::s32 tolerance) const
    {
        return count(area, [&](const irr::video::SColor& c) { return isNear(c, color, tolerance); });
    }
    //! Pixels in the rectangle for which the test holds.
    template <typename Test>
    irr::u32 count(const irr::core::rect<irr::s32>& area, Test test) const
    {
        irr::u32 found = 0;
        for (irr::s32 y = area.UpperLeftCorner.Y; y < area.LowerRightCorner.Y; ++y)
            for (irr::s32 x = area.UpperLeftCorner.X; x < area.LowerRightCorner.X; ++x)
                if (test(at(static_cast<irr::u32>(x), static_cast<irr::u32>(y))))
                    ++found;
        return found;
    }
};

//! Reads the current GL frame buffer (call between beginScene and endScene).
Frame readFrame(irr::u32 width, irr::u32 height);
//! Writes the frame as an opaque PNG named name into the artifact folder.
bool saveFrame(irr::video::IVideoDriver* driver, const Frame& frame, const std::string& name);
} // namespace testsupport
