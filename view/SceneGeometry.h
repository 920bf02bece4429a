#pragma once

// The scene is laid out in integer board pixels, then scaled and centred into the window.
//
//   (0,0) +--------------------------------------------+
//         |  margin                                    |
//         |   +------+-------------------------+       |
//         |   | info | column clues (cs slots) |       |
//         |   +------+-------------------------+       |
//         |   | row  | cells, 24 x 24 each     |       |
//         |   | clues| starting at             |       |
//         |   | (rs) | (20 rs + 30, 20 cs + 30)|       |
//         |   +------+-------------------------+       |
//         +--------------------------------------------+
namespace SceneGeometry {

constexpr int cellPitch = 24;
constexpr int clueStep = 20;
constexpr int margin = 30;

// Where the cell area starts along an axis with the given number of clue slots before it.
constexpr int boardOrigin(int clueSlots)
{
    return clueSlots * clueStep + margin;
}

// The size of the whole scene (the board panel image) in board pixels.
constexpr int sceneExtent(int clueSlots, int cells)
{
    return clueSlots * clueStep + cells * cellPitch + 2 * margin;
}

} // namespace SceneGeometry
