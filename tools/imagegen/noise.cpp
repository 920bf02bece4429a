// SPDX-License-Identifier: GPL-3.0-or-later
#include "noise.h"

#include <cmath>

namespace noise {

namespace {

int wrap(int i, int period)
{
    const int m = i % period;
    return m < 0 ? m + period : m;
}

float fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

float lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

std::uint32_t hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u ^ a * 0x85EBCA6Bu ^ b * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float unit(std::uint32_t h)
{
    return float(h >> 8) * (1.0f / 16777216.0f);
}

// Dot product of the pseudo-random unit gradient at lattice point (ix, iy)
// with the offset (dx, dy) from it.
float corner(int ix, int iy, float dx, float dy, std::uint32_t seed)
{
    const float angle = unit(hash(std::uint32_t(ix), std::uint32_t(iy), seed)) * 6.2831853f;
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

float gradient(float x, float y, int periodX, int periodY, std::uint32_t seed)
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = wrap(int(fx), periodX);
    const int y0 = wrap(int(fy), periodY);
    const int x1 = wrap(x0 + 1, periodX);
    const int y1 = wrap(y0 + 1, periodY);
    const float dx = x - fx;
    const float dy = y - fy;
    const float top = lerp(corner(x0, y0, dx, dy, seed), corner(x1, y0, dx - 1.0f, dy, seed), fade(dx));
    const float bottom = lerp(corner(x0, y1, dx, dy - 1.0f, seed), corner(x1, y1, dx - 1.0f, dy - 1.0f, seed), fade(dx));
    // Plain 2D gradient noise stays within about +-0.7; stretch it to +-1.
    return 1.41f * lerp(top, bottom, fade(dy));
}

float fbm(float u, float v, int periodX, int periodY, int octaves, std::uint32_t seed)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * gradient(u * float(periodX), v * float(periodY), periodX, periodY, seed + std::uint32_t(octave));
        total += amplitude;
        amplitude *= 0.5f;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / total;
}

Cells cells(float u, float v, int period, std::uint32_t seed)
{
    const float x = u * float(period);
    const float y = v * float(period);
    const int cx = int(std::floor(x));
    const int cy = int(std::floor(y));
    Cells result{1e9f, 1e9f};
    for (int j = cy - 1; j <= cy + 1; ++j) {
        for (int i = cx - 1; i <= cx + 1; ++i) {
            const std::uint32_t wi = std::uint32_t(wrap(i, period));
            const std::uint32_t wj = std::uint32_t(wrap(j, period));
            const float px = float(i) + unit(hash(wi, wj, seed));
            const float py = float(j) + unit(hash(wi, wj, seed ^ 0x5bd1e995u));
            const float d = std::hypot(px - x, py - y);
            if (d < result.nearest) {
                result.second = result.nearest;
                result.nearest = d;
            } else if (d < result.second) {
                result.second = d;
            }
        }
    }
    return result;
}

std::uint32_t Random::next()
{
    // splitmix64
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return std::uint32_t((z ^ (z >> 31)) >> 32);
}

float Random::uniform(float low, float high)
{
    return low + (high - low) * unit(next());
}

int Random::below(int n)
{
    return int(next() % std::uint32_t(n));
}

}  // namespace noise
