#pragma once

#include <cmath>
#include <limits>

// All colour arithmetic is carried in 80-bit extended precision, and every
// quantity that an algorithm names is stored as a double between steps.
// Values that land on a half (127.5 for a channel of exactly 0.5) depend on
// that, so refuse to build where long double is not the x87 extended type.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must have a 64-bit mantissa (x87 extended precision)");

namespace HSLUtils {

// Round to nearest, ties to even (the default rounding mode). std::lrint keeps
// the current mode, which the program never changes.
inline long RoundToEven(long double x) { return std::lrint(x); }

// A channel from a real in 0..1: round(x * 255), ties to even.
inline int RoundChannel(long double unit) { return int(std::lrint(unit * 255)); }

} // namespace HSLUtils
