#include "tools/assetgen/maplayout.h"

#include <cstdio>

namespace assetgen
{
namespace
{
//! Colour of a layout character; false for characters that are not codes.
bool codeColour(char c, Colour& colour)
{
    switch (c)
    {
    case '1': colour = rgb(0, 0, 255); return true;
    case '2': colour = rgb(150, 150, 255); return true;
    case '3': colour = rgb(0, 255, 0); return true;
    case '4': colour = rgb(150, 150, 150); return true;
    case '5': colour = rgb(100, 100, 100); return true;
    case 'A': colour = rgb(255, 255, 255); return true;
    case 'B': colour = rgb(255, 200, 200); return true;
    case 'C': colour = rgb(255, 150, 150); return true;
    case 'D': colour = rgb(255, 255, 150); return true;
    case 'E': colour = rgb(255, 150, 255); return true;
    case 'F': colour = rgb(150, 255, 150); return true;
    case 'G': colour = rgb(0, 255, 255); return true;
    default: return false;
    }
}

const Colour kNothing{0, 0, 0, 0};
} // namespace

Canvas rasteriseLayout(const std::vector<std::string>& lines, std::string& error)
{
    Canvas map(kMapSize, kMapSize, kNothing);
    int lineNumber = 0, originX = 0, row = 0;
    bool placed = false;
    auto fault = [&](const std::string& what) {
        error = "layout line " + std::to_string(lineNumber) + ": " + what;
        return Canvas(0, 0);
    };
    for (const std::string& line : lines)
    {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        int x = 0, y = 0;
        if (line.rfind("at ", 0) == 0)
        {
            if (std::sscanf(line.c_str(), "at %d,%d", &x, &y) != 2)
                return fault("expected \"at X,Y\"");
            originX = x, row = y, placed = true;
            continue;
        }
        if (!placed)
            return fault("rows before the first \"at X,Y\"");
        for (size_t column = 0; column < line.size(); ++column)
        {
            const char c = line[column];
            if (c == '.' || c == ' ')
                continue;
            Colour colour;
            if (!codeColour(c, colour))
                return fault(std::string("unknown character '") + c + "'");
            const int px = originX + static_cast<int>(column);
            // Row 0 would be grid row 500, outside the grid.
            if (px < 0 || px >= kMapSize || row < 1 || row >= kMapSize)
                return fault("cell outside the map");
            map.at(px, row) = colour;
        }
        ++row;
    }
    error.clear();
    return map;
}
} // namespace assetgen
