#pragma once
// Runs every recipe of the asset table into an output folder.

#include <iosfwd>
#include <string>

namespace assetgen
{
//! Writes all assets below `root`, map.png from the text layout `layoutFile`, the song
//! cards and quoted melodies from the game's `songsFile`; reports failures to `log` and
//! returns their count.
int generateAssets(const std::string& root, const std::string& layoutFile, const std::string& songsFile,
                   std::ostream& log);
} // namespace assetgen
