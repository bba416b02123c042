#pragma once
// Creates the folder a generated file goes into.

#include <string>

namespace assetgen
{
//! Creates the parent folders of `path`; false when that is impossible.
bool makeParentFolder(const std::string& path);
} // namespace assetgen
