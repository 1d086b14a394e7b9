#pragma once

namespace jet {

// ln x and eˣ from + − × ÷ and exact scaling by powers of two alone. The C
// libraries' log, exp and pow are not bound to the last bit: glibc, the
// MinGW runtime and Emscripten's musl may each round them differently, and a
// last bit can decide a printed digit. These give the same bits on every
// target, a few units in the last place from the true value over the ranges
// the program uses.
double SeriesLog(double x);  // x > 0
double SeriesExp(double y);

// x^y for x > 0, as SeriesExp(y · SeriesLog(x)).
double SeriesPow(double x, double y);

}  // namespace jet
