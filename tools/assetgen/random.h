#pragma once
// Deterministic pseudo-random numbers: every recipe seeds its own generator.

#include <cstdint>

namespace assetgen
{
class Random
{
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint32_t next()
    {
        // splitmix64: good spread even for small consecutive seeds.
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

    //! Uniform in [0, 1).
    float uniform() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }
    float range(float low, float high) { return low + (high - low) * uniform(); }
    int below(int count) { return static_cast<int>(next() % static_cast<std::uint32_t>(count)); }

private:
    std::uint64_t m_state;
};
} // namespace assetgen
