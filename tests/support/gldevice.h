#pragma once
// Test helper: an engine device on the OpenGL driver (needs an X display, e.g. xvfb-run).

#include <irrlicht.h>

namespace Talvoren
{
class OmbelDevice;
}

namespace testsupport
{
//! Initialises the device with a window of that size on the OpenGL driver, its
//! start-up messages kept off standard error. False when no display is there.
bool initOpenGlDevice(Talvoren::OmbelDevice& device, const irr::core::dimension2du& size);
} // namespace testsupport
