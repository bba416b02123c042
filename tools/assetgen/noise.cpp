#include "tools/assetgen/noise.h"

#include <cmath>

namespace assetgen
{
namespace
{
std::uint32_t hash3(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8DA6B343u ^ y * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

int wrap(int i, int period)
{
    const int m = i % period;
    return m < 0 ? m + period : m;
}

float smooth(float t) { return t * t * (3.0f - 2.0f * t); }
} // namespace

float PeriodicNoise::lattice(int x, int y, int period) const
{
    const std::uint32_t h = hash3(static_cast<std::uint32_t>(wrap(x, period)),
                                  static_cast<std::uint32_t>(wrap(y, period)),
                                  m_seed + static_cast<std::uint32_t>(period));
    return static_cast<float>(h & 0xFFFFFF) / 16777215.0f;
}

float PeriodicNoise::value(float u, float v, int period) const
{
    const float x = u * static_cast<float>(period);
    const float y = v * static_cast<float>(period);
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const float fx = smooth(x - static_cast<float>(ix));
    const float fy = smooth(y - static_cast<float>(iy));
    const float top = lattice(ix, iy, period) * (1 - fx) + lattice(ix + 1, iy, period) * fx;
    const float bottom = lattice(ix, iy + 1, period) * (1 - fx) + lattice(ix + 1, iy + 1, period) * fx;
    return top * (1 - fy) + bottom * fy;
}

float PeriodicNoise::fbm(float u, float v, int period, int octaves, float persistence) const
{
    float sum = 0, weight = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave)
    {
        sum += value(u, v, period << octave) * weight;
        total += weight;
        weight *= persistence;
    }
    return sum / total;
}

PeriodicNoise::Cells PeriodicNoise::cells(float u, float v, int period) const
{
    const float x = u * static_cast<float>(period);
    const float y = v * static_cast<float>(period);
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    Cells result{8.0f, 8.0f, 0};
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
        {
            const int cx = ix + dx, cy = iy + dy;
            const std::uint32_t h = hash3(static_cast<std::uint32_t>(wrap(cx, period)),
                                          static_cast<std::uint32_t>(wrap(cy, period)), m_seed ^ 0xA511E9B3u);
            const float px = static_cast<float>(cx) + 0.1f + 0.8f * static_cast<float>(h & 0xFFFF) / 65535.0f;
            const float py = static_cast<float>(cy) + 0.1f + 0.8f * static_cast<float>(h >> 16) / 65535.0f;
            const float d = std::hypot(px - x, py - y);
            if (d < result.nearest)
            {
                result.second = result.nearest;
                result.nearest = d;
                result.id = h;
            }
            else if (d < result.second)
                result.second = d;
        }
    return result;
}
} // namespace assetgen
