// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"
#include "noise.h"
#include "texture.h"

#include <cmath>

namespace {

constexpr int Size = 512;

// Light focused by a rippled surface gathers along the borders of irregular
// cells; the gap between the nearest and second nearest cell point is small
// exactly there, so it draws the bright network of a pool floor.
float caustic(float u, float v, int period, std::uint32_t seed)
{
    const float warpU = 0.06f * noise::fbm(u, v, 4, 4, 2, seed + 1);
    const float warpV = 0.06f * noise::fbm(u, v, 4, 4, 2, seed + 2);
    const noise::Cells c = noise::cells(u + warpU, v + warpV, period, seed);
    const float edge = 1.0f - smoothstep(0.0f, 0.22f, c.second - c.nearest);
    return edge * edge;
}

}  // namespace

QImage waterTexture()
{
    const Rgb deep{18, 66, 104};
    const Rgb shallow{34, 116, 150};
    const Rgb light{170, 226, 240};

    return shade(Size, [&](float x, float y) {
        const float u = x / Size;
        const float v = y / Size;
        const float depth = 0.5f + 0.5f * noise::fbm(u, v, 2, 2, 4, 0xA11);
        Rgb c = mix(deep, shallow, clamp01(depth));
        // Two networks of different scale, so that no single cell pattern
        // repeats visibly; their crossings glint.
        const float a = caustic(u, v, 7, 0xC0);
        const float b = caustic(u, v, 11, 0xC1);
        // Where the surface is calmer the pattern fades, so it does not
        // cover the floor like an even net.
        const float calm = smoothstep(-0.45f, 0.35f, noise::fbm(u, v, 3, 3, 2, 0xCA1));
        const float glow = clamp01(0.6f * a + 0.3f * b + 0.5f * a * b) * (0.35f + 0.65f * calm);
        return mix(c, light, glow * (0.45f + 0.35f * depth));
    });
}
