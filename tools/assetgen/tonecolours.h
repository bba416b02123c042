#pragma once
// The five tones' colours and pitches, shared by pictures, meshes and sounds.

#include "tools/assetgen/canvas.h"

namespace assetgen
{
constexpr int kToneCount = 5;

//! Tone 0..4 (keys G H J K L): pink, blue, green, yellow, red.
inline Colour toneColour(int tone)
{
    static const Colour colours[kToneCount] = {rgb(255, 105, 180), rgb(0, 0, 255), rgb(0, 255, 0),
                                               rgb(255, 255, 0), rgb(255, 0, 0)};
    return colours[tone];
}

//! Whole-hertz pitches of D4 F4 A4 B4 D5, so every partial completes whole cycles per second.
inline int toneFrequency(int tone)
{
    static const int frequencies[kToneCount] = {294, 349, 440, 494, 587};
    return frequencies[tone];
}

//! File stems of the tone sounds.
inline const char* toneName(int tone)
{
    static const char* const names[kToneCount] = {"D", "F", "A", "B", "D1"};
    return names[tone];
}
} // namespace assetgen
