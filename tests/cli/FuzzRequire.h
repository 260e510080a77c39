#pragma once

#include <cstdlib>

// A promise a fuzzer checks beyond memory errors: when it does not hold, the
// run stops as a crash, and libFuzzer keeps the input that broke it.
inline void Require(bool condition) {
  if (!condition) std::abort();
}
