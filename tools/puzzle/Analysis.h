// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tessarin-puzzle analyse [--seconds S] [--show] FILE...: one tab-separated line per file
// (path, size, verdict, hardest technique or why the file is invalid, milliseconds to a
// tenth), going on
// past files it cannot read. Returns the exit status: 0 when every file was read, 1 when
// one was not, 2 for a wrong command line.
int analyse(int argc, char** argv);
