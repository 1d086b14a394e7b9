#pragma once

#include <cstdint>
#include <cstring>

// The bits of a double, so that a test tells −0 from +0 and sees the last
// bit. (memcpy, as not every target's library has std::bit_cast yet.)
inline std::uint64_t Bits(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}
