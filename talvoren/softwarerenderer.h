#pragma once
// Whether the OpenGL renderer draws on the CPU (Mesa's llvmpipe, softpipe or
// swrast), where anisotropic filtering costs a large share of every frame.

#include <string>

namespace Talvoren
{
//! true when the renderer's name mentions llvmpipe, softpipe or swrast, in any case.
bool isSoftwareRendererName(const std::string& rendererName);
//! The current OpenGL context's renderer string; empty without a context.
std::string currentRendererName();
} // namespace Talvoren
