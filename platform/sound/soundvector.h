#pragma once
// A point or direction in the game's coordinates (left-handed, y up, as in the scene).

namespace platform
{
namespace sound
{
struct SoundVector
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    SoundVector() = default;
    SoundVector(float xValue, float yValue, float zValue) : x(xValue), y(yValue), z(zValue) {}
};
} // namespace sound
} // namespace platform
