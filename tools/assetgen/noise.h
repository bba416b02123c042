#pragma once
// Seamless value noise over the unit square: every octave wraps at u, v = 1.

#include <cstdint>

namespace assetgen
{
class PeriodicNoise
{
public:
    explicit PeriodicNoise(std::uint32_t seed) : m_seed(seed) {}

    //! Smooth noise in [0, 1] with `period` lattice cells across the unit square.
    float value(float u, float v, int period) const;
    //! Sum of `octaves` octaves starting at `period`, each twice as fine and
    //! `persistence` times as strong; normalised to [0, 1].
    float fbm(float u, float v, int period, int octaves, float persistence = 0.5f) const;
    //! Distances to the nearest and second nearest of `period` x `period` jittered points,
    //! in lattice units, and an id of the nearest one (flagstones, cracks).
    struct Cells
    {
        float nearest;
        float second;
        std::uint32_t id;
    };
    Cells cells(float u, float v, int period) const;

private:
    float lattice(int x, int y, int period) const;
    std::uint32_t m_seed;
};
} // namespace assetgen
