// Resources the clock benchmark adds to the program's own.
#pragma once

// The silver face at twice its size, pixel for pixel (the 200 % stand-in).
#define IDB_BENCH_FACE_SILVER_X2 9066
