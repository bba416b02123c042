#pragma once
// Runs every recipe of the asset table into an output folder.

#include <iosfwd>
#include <string>

namespace assetgen
{
//! Writes all assets below `root`, map.png from the text layout `layoutFile`; reports
//! failures to `log` and returns their count.
int generateAssets(const std::string& root, const std::string& layoutFile, std::ostream& log);
} // namespace assetgen
