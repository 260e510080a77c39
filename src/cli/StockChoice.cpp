#include "cli/StockChoice.h"

// Bit n hides drive 'A' + n: A: = 1, B: = 2, C: = 4, D: = 8.
const StockChoice::Entry StockChoice::kEntries[kCount] = {
    {3, "Restrict A and B drives only"},
    {4, "Restrict C drive only"},
    {8, "Restrict D drive only"},
    {7, "Restrict A, B and C drives only"},
    {15, "Restrict A, B, C and D drives only"},
    {0x3FFFFFF, "Restrict all drives"},
    {0, "Do not restrict drives"},
};

const char* StockChoice::Find(std::uint32_t mask) {
  for (const Entry& entry : kEntries) {
    if (entry.mask == mask) return entry.name;
  }
  return nullptr;
}
