#pragma once

#include <cstdint>

// The choices that the stock drive policies of Windows already offer in their
// drop-down list. A mask that equals one of them needs no custom template.
class StockChoice {
 public:
  // The choice's name as the stock policy shows it, or nullptr when the mask is
  // not one of the stock choices.
  static const char* Find(std::uint32_t mask);

  struct Entry {
    std::uint32_t mask;
    const char* name;
  };
  static constexpr int kCount = 7;
  static const Entry kEntries[kCount];
};
