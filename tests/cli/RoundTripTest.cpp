#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "CliTestSupport.h"
#include "app/DriveMask.h"
#include "cli/PolicyFormatter.h"

// Masks through the whole program: the hidden drives that decoding a mask
// reports, handed back to --hide, and the visible ones handed to keep, must
// give the same mask; so must its decimal, hex, .reg and ADM texts. Every mask
// with at most two bits set or clear, and a pseudo-random sample of the rest
// (the full 2^26 sweep of the shared decode and encode steps runs in
// drivemask_full_sweep, where it takes seconds instead of minutes).
namespace {

std::vector<std::uint32_t> SampleMasks() {
  std::vector<std::uint32_t> masks;
  for (int a = 0; a < kDriveCount; ++a) {
    for (int b = a; b < kDriveCount; ++b) {
      const std::uint32_t two = (1u << a) | (1u << b);
      masks.push_back(two);
      masks.push_back(kAllDrivesMask & ~two);
    }
  }
  masks.push_back(0);
  masks.push_back(kAllDrivesMask);
  // And a fixed pseudo-random spread over all the others.
  std::mt19937 random(20240601u);
  for (int i = 0; i < 1500; ++i) masks.push_back(random() & kAllDrivesMask);
  return masks;
}

// "A: B: E:" as separate words.
std::vector<std::string> Words(const std::string& list) {
  std::vector<std::string> words;
  if (list == "(none)") return {"none"};
  std::string::size_type start = 0;
  while (start < list.size()) {
    std::string::size_type end = list.find(' ', start);
    if (end == std::string::npos) end = list.size();
    words.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

}  // namespace

TEST(RoundTrip, SampledMasksSurviveEncodeAndDecode) {
  const std::vector<std::uint32_t> masks = SampleMasks();
  ASSERT_GT(masks.size(), 2000u);
  int failures = 0;
  for (std::uint32_t mask : masks) {
    const PolicyFormatter formatter(mask);
    std::vector<std::string> hide = {"--hide"};
    for (const std::string& word : Words(formatter.LetterList(true))) hide.push_back(word);
    std::vector<std::string> keep = {"keep"};
    for (const std::string& word : Words(formatter.LetterList(false))) keep.push_back(word);
    // The short lists ("A, B, E-Z") are valid drive words too once the
    // spaces after the commas are gone.
    std::string compact = formatter.CompactList(true, false);
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());

    const std::vector<std::vector<std::string>> runs = {
        hide,
        keep,
        {"hide", compact.empty() ? "none" : compact},
        {FormatMaskDecimal(mask)},
        {"0x" + FormatMaskHex(mask)},
        {"\"NoDrives\"=dword:" + formatter.RegDwordDigits()},
        {"VALUE NUMERIC " + FormatMaskDecimal(mask)},
    };
    for (const auto& args : runs) {
      const CliRun run = RunCli(args);
      if (run.code != 0 || PlainMask(run.out) != mask) {
        ADD_FAILURE() << "mask " << mask << " via " << args.back() << ": " << run.err;
        if (++failures > 10) return;
      }
    }
  }
}
