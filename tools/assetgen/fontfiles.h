#pragma once
// Font files of the Debian font packages the generator renders from.

namespace assetgen::fontfiles
{
inline constexpr const char* kMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
inline constexpr const char* kSerifBold = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
inline constexpr const char* kScript = "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf";
} // namespace assetgen::fontfiles
