#pragma once
// An Irrlicht device on the null driver for fuzz targets.

#include <irrlicht.h>

namespace fuzzing
{
//! One device for the whole run, logging nothing; it is never released, so
//! nothing of it is torn down while an input's objects might still use it.
inline irr::IrrlichtDevice* quietNullDevice()
{
    static irr::IrrlichtDevice* device = [] {
        irr::SIrrlichtCreationParameters parameters;
        parameters.DriverType = irr::video::EDT_NULL;
        parameters.LoggingLevel = irr::ELL_NONE;
        return irr::createDeviceEx(parameters);
    }();
    return device;
}
} // namespace fuzzing
