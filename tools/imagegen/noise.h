// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Everything here is periodic so that the textures built from it tile without
// seams, and seeded so that every run writes byte-identical pictures.
namespace noise {

// Gradient noise in about [-1, 1]. The lattice repeats every periodX cells
// across and periodY cells down, so x in [0, periodX) covers one full tile.
float gradient(float x, float y, int periodX, int periodY, std::uint32_t seed);

// Sum of `octaves` layers of gradient noise for a point (u, v) of the unit
// tile, the first layer having periodX x periodY lattice cells, each further
// layer twice as many; normalised back to about [-1, 1].
float fbm(float u, float v, int periodX, int periodY, int octaves, std::uint32_t seed);

// Cellular noise on a period x period grid with one jittered point per cell:
// distances (in cells) from (u, v) of the unit tile to the nearest and the
// second nearest point.
struct Cells {
    float nearest;
    float second;
};
Cells cells(float u, float v, int period, std::uint32_t seed);

// Small seeded generator for scattering shapes; std:: distributions are not
// used because their output differs between standard libraries.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}
    std::uint32_t next();
    float uniform(float low, float high);  // [low, high)
    int below(int n);                      // [0, n)

private:
    std::uint64_t state;
};

}  // namespace noise
