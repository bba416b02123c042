#pragma once
// Timing curves by the words the script commands name them with.

#include <memory>
#include <string>

class FluxCalc;

namespace Belgarune
{
//! "SLOW_DOWN", "SPEED_UP" (each also with "_X2" and "_X3") and
//! "SPEED_LOGISTIC"; any other word gives a linear curve. Every curve runs on
//! the device's game clock (none without a device).
std::shared_ptr<FluxCalc> createFluxCalc(const std::wstring& word);
} // namespace Belgarune
