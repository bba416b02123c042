#pragma once
// Reader of the .omxs shader files.

#include <string>

namespace Belgarune
{
//! Appends the file's sections without line breaks: lines under "#fragment"
//! (and before any marker) to fragmentText, lines under "#vertex" to
//! vertexText. Markers match whole lines only. The fragment section is the
//! one handed to the driver as the vertex program. A file that cannot be
//! opened appends nothing.
void loadShaderFile(const std::string& path, std::string& fragmentText, std::string& vertexText);
} // namespace Belgarune
