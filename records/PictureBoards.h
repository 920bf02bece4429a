// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleGrid.h"

#include <QString>

#include <optional>

class SettingsStore;

// The boards of the gallery's pictures the player began and left for another game, so that
// coming back finds each as it was. Kept in "tessarin.ini", group "pictureBoards", a key a
// picture (its id), as "mode,seconds,faults,cells": the cells' codes column by column, a digit
// each.
namespace PictureBoards {

struct Kept {
    int mode = 0;
    int seconds = 0;
    int faults = 0;
    PuzzleGrid board;
};

// False when the file could not be written (the store says why).
bool keep(SettingsStore& store, const QString& id, const Kept& kept);
// The board kept for the picture, if one of its size is there and reads whole.
std::optional<Kept> find(const SettingsStore& store, const QString& id, int columns, int rows);
void forget(SettingsStore& store, const QString& id);

} // namespace PictureBoards
