#pragma once
// Writes a mesh as a text DirectX (.x) file that Irrlicht's loader reads.

#include <string>

namespace assetgen
{
class Mesh;

//! Folders are created; false when the file cannot be written.
bool writeXFile(const Mesh& mesh, const std::string& path);
} // namespace assetgen
