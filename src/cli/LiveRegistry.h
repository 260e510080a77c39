#pragma once

#include <string>

#include "cli/PolicyValues.h"

// The drive policy values of the registry of this computer, for show.
class LiveRegistry {
 public:
  // Reads NoDrives and NoViewOnDrive of both hives from the 64-bit view of the
  // registry (the one Explorer reads, also when this program runs as 32-bit
  // code on 64-bit Windows). A value that cannot be read is marked so, with
  // the reason. Outside Windows there is no such registry: false with a
  // message that points to show --from.
  static bool Read(PolicyValues& values, std::string& error);
};
