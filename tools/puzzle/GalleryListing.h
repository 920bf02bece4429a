// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tessarin-puzzle gallery [--check] [FILE]: lists the gallery's pictures, or judges each again
// from its clues and givens.
int galleryListing(int argc, char** argv);
