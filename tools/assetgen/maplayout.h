#pragma once
// The dungeon's floor plan: a hand-written text layout rasterised into map.png's colour codes.

#include "tools/assetgen/canvas.h"

#include <string>
#include <vector>

namespace assetgen
{
constexpr int kMapSize = 500;

//! Layout lines: "at X,Y" place the rows that follow with their first character on map
//! pixel (X, Y), rows running south (downward in the picture). Characters: '1' plain floor,
//! '2' slate floor, '3' blocked floor, '4' grey floor, '5' dark floor, 'A'..'G' wall types 1..7,
//! '.' and ' ' nothing. Lines starting with '#' are comments.
//! Returns the 500 x 500 picture; on a fault `error` names the line and the picture is empty.
Canvas rasteriseLayout(const std::vector<std::string>& lines, std::string& error);
} // namespace assetgen
