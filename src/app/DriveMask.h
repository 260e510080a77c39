#pragma once

// The drive mask of the Explorer drive-hiding policy, without any window-system
// dependency: bit n (weight 2^n) stands for drive letter 'A' + n and is set when
// that drive is to be hidden, that is, when its box is not ticked. Only the 26
// bits of A: to Z: are ever set.

#include <array>
#include <cstdint>
#include <string>

// Number of drive letters, A: to Z:.
constexpr int kDriveCount = 26;

// The mask with every drive hidden (bits 0 to 25): 67108863, 0x3ffffff.
constexpr std::uint32_t kAllDrivesMask = 0x3FFFFFFu;

// One drive box of the main dialog: its letter, the control id of its check box,
// its bit in the mask and that bit's weight.
struct DriveBox {
  char letter;
  int controlId;
  int bit;
  std::uint32_t weight;
};

// The 26 drive boxes in letter order. A: to Y: are the controls 1000 to 1024;
// Z: is 1028 (1025 and 1026 are unused, 1027 is the decimal field).
extern const std::array<DriveBox, kDriveCount> DriveBoxTable;

// Tick flags in letter order, A: to Z:; true when the drive stays available.
using DriveTicks = std::array<bool, kDriveCount>;

// Check box states in letter order as the dialog reports them: 0 unchecked,
// 1 checked, 2 indeterminate.
using DriveTickStates = std::array<int, kDriveCount>;

// The mask for the given ticks: the sum of the weights of the unticked drives.
std::uint32_t ComputeDriveMask(const DriveTicks& ticked);

// The mask for the given check box states. Only the unchecked state (0) hides a
// drive; every other state, the indeterminate one included, counts as ticked.
std::uint32_t ComputeDriveMask(const DriveTickStates& states);

// The ticks that give the mask: a drive is ticked when its bit is clear. Bits
// above Z: are ignored. ComputeDriveMask(TicksFromDriveMask(m)) == m for every
// mask m of 26 bits.
DriveTicks TicksFromDriveMask(std::uint32_t mask);

// The mask in decimal: digits only, no sign, no leading zeros ("0" for 0).
std::string FormatMaskDecimal(std::uint32_t mask);

// The mask in lower-case hexadecimal: no prefix, no leading zeros ("0" for 0).
std::string FormatMaskHex(std::uint32_t mask);
