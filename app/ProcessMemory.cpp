// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProcessMemory.h"

// Any C library header defines __GLIBC__ where glibc is the C library.
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void handBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

long residentKb()
{
    long pages = 0, resident = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}
