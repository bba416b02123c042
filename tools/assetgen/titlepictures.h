#pragma once
// Pictures made of rendered words: logos, splash pictures, title and song plates.

#include "tools/assetgen/canvas.h"

#include <string>
#include <vector>

namespace assetgen
{
class TextRenderer;

//! A plate of centred text lines on a dark ground with a thin frame.
struct TextPlate
{
    int width = 512;
    int height = 256;
    std::vector<std::string> lines;
    std::vector<int> sizes;  //!< pixel size per line
    Colour ink = rgb(230, 220, 200);
    Colour ground = rgb(0, 0, 0);
    bool frame = true;
    bool transparentGround = false;
};
Canvas textPlate(const TextRenderer& font, const TextPlate& plate);

//! The engine's logo: an emblem of five tone-coloured rings above the engine's name.
Canvas engineLogo(const TextRenderer& font);

//! The game's title lettering with a soft glow, transparent around it.
Canvas titleLettering(const TextRenderer& font);
} // namespace assetgen
