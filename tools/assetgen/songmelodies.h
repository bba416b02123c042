#pragma once
// The learnable songs' melodies as tones 0..4: drawn on the song pictures, quoted by the music.

#include <vector>

namespace assetgen::melodies
{
inline const std::vector<int> kLostKey = {2, 4, 0};
inline const std::vector<int> kRequiem = {4, 3, 2, 4, 3, 2, 1, 0};
inline const std::vector<int> kMercy = {1, 3, 1, 3, 4};
inline const std::vector<int> kOde = {0, 1, 2, 3, 4, 3, 4};
inline const std::vector<int> kGrowth = {1, 2, 0, 1, 2, 3, 4};
inline const std::vector<int> kNameless = {0, 4, 0, 4};
} // namespace assetgen::melodies
