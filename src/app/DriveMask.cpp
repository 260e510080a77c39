#include "app/DriveMask.h"

namespace {

// The digits of an unsigned value in the given base, lower-case, no sign and
// no leading zeros: what "%u" and "%x" print, without pulling a whole printf
// into the shipped program.
std::string FormatUnsigned(std::uint32_t value, unsigned base) {
  char text[16];
  char* end = text + sizeof text;
  char* at = end;
  do {
    *--at = "0123456789abcdef"[value % base];
    value /= base;
  } while (value != 0);
  return std::string(at, end);
}

constexpr DriveBox Row(int bit, int controlId) {
  return DriveBox{static_cast<char>('A' + bit), controlId, bit, std::uint32_t{1} << bit};
}

}  // namespace

const std::array<DriveBox, kDriveCount> DriveBoxTable = {{
    Row(0, 1000),
    Row(1, 1001),
    Row(2, 1002),
    Row(3, 1003),
    Row(4, 1004),
    Row(5, 1005),
    Row(6, 1006),
    Row(7, 1007),
    Row(8, 1008),
    Row(9, 1009),
    Row(10, 1010),
    Row(11, 1011),
    Row(12, 1012),
    Row(13, 1013),
    Row(14, 1014),
    Row(15, 1015),
    Row(16, 1016),
    Row(17, 1017),
    Row(18, 1018),
    Row(19, 1019),
    Row(20, 1020),
    Row(21, 1021),
    Row(22, 1022),
    Row(23, 1023),
    Row(24, 1024),
    // Z: sits after the decimal field in the dialog template.
    Row(25, 1028),
}};

std::uint32_t ComputeDriveMask(const DriveTicks& ticked) {
  std::uint32_t mask = 0;
  for (const DriveBox& box : DriveBoxTable) {
    // Each weight is added at most once, so the sum is the OR of the weights of
    // the unticked drives.
    const std::uint32_t unticked = ticked[box.bit] ? 0u : 1u;
    mask |= box.weight * unticked;
  }
  return mask;
}

std::uint32_t ComputeDriveMask(const DriveTickStates& states) {
  DriveTicks ticked{};
  for (int i = 0; i < kDriveCount; ++i) ticked[i] = states[i] != 0;
  return ComputeDriveMask(ticked);
}

DriveTicks TicksFromDriveMask(std::uint32_t mask) {
  DriveTicks ticked{};
  for (const DriveBox& box : DriveBoxTable) ticked[box.bit] = (mask & box.weight) == 0;
  return ticked;
}

std::string FormatMaskDecimal(std::uint32_t mask) {
  // Unsigned: the same digits as a signed "%d" for every mask (bit 31 is
  // never set), and never a sign for a stray out-of-range value.
  return FormatUnsigned(mask, 10);
}

std::string FormatMaskHex(std::uint32_t mask) { return FormatUnsigned(mask, 16); }
