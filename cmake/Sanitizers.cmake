# SPDX-License-Identifier: GPL-3.0-or-later
# Builds for finding faults rather than for playing: scripts/test-sanitized and scripts/fuzz.
option(TESSARIN_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TESSARIN_FUZZ "Link the fuzz targets with libFuzzer and instrument everything for it (needs clang)" OFF)

if(TESSARIN_SANITIZE OR TESSARIN_FUZZ)
    # Any report ends the program, so a fault can never scroll past as a warning.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(TESSARIN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TESSARIN_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# What every test process gets under the sanitizers: leak checking, stack traces, and the
# suppressions for leaks that live in the system libraries rather than in the game. The X
# keyboard library hands strndup a buffer that is exactly as long as the limit, with no
# terminator; that is legal, but the interceptor reads it as a string, so it is switched off.
set(TESSARIN_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:intercept_strndup=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/leaks.supp:print_suppressions=0")
