// SPDX-License-Identifier: GPL-3.0-or-later
#include "images.h"
#include "noise.h"
#include "texture.h"

#include <cmath>

namespace {

constexpr int Size = 512;
constexpr int PlankHeight = 64;
constexpr int Planks = Size / PlankHeight;

// One board per plank row: it runs the whole width of the tile, so the tile
// edge falls inside it and only its joint with itself shows as a seam.
struct Board {
    int start;          // x of the butt joint
    float heartX;       // centre of the tree across the cut, in board pixels;
    float heartY;       // flat-sawn rings are long ellipses around it
    float stretch;      // how long the ring ellipses are
    float ringSpacing;  // pixels between growth rings
    float tone;         // boards from different trees differ in colour
    std::uint32_t seed;
};

Board makeBoard(int index, noise::Random& random)
{
    Board board;
    // Stagger the joints of neighbouring rows as a floor layer would.
    board.start = int((float(index) * 0.38f + random.uniform(0.0f, 0.14f)) * Size) % Size;
    board.heartX = random.uniform(120.0f, Size - 120.0f);
    board.heartY = random.uniform(-70.0f, PlankHeight + 70.0f);
    board.stretch = random.uniform(0.05f, 0.11f);
    board.ringSpacing = random.uniform(7.0f, 11.0f);
    board.tone = random.uniform(0.88f, 1.07f);
    board.seed = random.next();
    return board;
}

Rgb grain(const Board& board, float bx, float by)
{
    const Rgb early{196, 138, 84};
    const Rgb late{140, 86, 44};
    const Rgb streak{110, 64, 30};

    const float u = bx / Size;
    const float v = by / PlankHeight;
    // Slow noise bends the rings so that they swell and pinch like real timber.
    const float bend = 9.0f * noise::fbm(u, v * 0.25f, 3, 1, 3, board.seed);
    const float ex = (bx - board.heartX) * board.stretch;
    const float ey = by - board.heartY;
    const float position = (std::sqrt(ex * ex + ey * ey) + bend) / board.ringSpacing;
    const float phase = position - std::floor(position);
    // Early wood darkens gradually into late wood, which ends in a sharp edge.
    const float ring = smoothstep(0.35f, 0.97f, phase);
    // Fine fibres running along the board, and a soft cloudiness over it.
    const float fibre = noise::fbm(u, v, 8, 40, 2, board.seed + 7);
    const float cloud = noise::fbm(u, v, 3, 1, 2, board.seed + 13);

    Rgb c = mix(early, late, clamp01(ring * ring * 0.85f + 0.3f * cloud));
    c = mix(c, streak, clamp01(0.45f * std::fabs(fibre)));
    return c * board.tone;
}

}  // namespace

QImage woodTexture()
{
    noise::Random random(0x700D);
    Board boards[Planks];
    for (int p = 0; p < Planks; ++p)
        boards[p] = makeBoard(p, random);

    return shade(Size, [&](float fx, float fy) {
        const int x = int(fx);
        const int y = int(fy);
        const int row = y % PlankHeight;
        const Board& board = boards[y / PlankHeight];
        // The gap between planks, with the worn edges either side of it.
        if (row == 0)
            return Rgb{56, 32, 16};
        const int bx = (x - board.start + Size) % Size;
        Rgb c = grain(board, float(bx) + fx - float(x), float(row) + fy - float(y));
        if (row == 1)
            c = c * 1.1f;
        if (row >= PlankHeight - 2)
            c = c * (row == PlankHeight - 1 ? 0.76f : 0.9f);
        // The butt joint where the board meets the next one.
        if (bx == 0)
            return c * 0.45f;
        if (bx == 1)
            c = c * 1.08f;
        if (bx == Size - 1)
            c = c * 0.8f;
        return c;
    });
}
