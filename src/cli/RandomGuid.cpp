#include "cli/RandomGuid.h"

#include "cli/ArgumentText.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h: RtlGenRandom is SystemFunction036 of ADVAPI32.
#include <ntsecapi.h>
#else
#include <cstdio>
#endif

namespace {

// The GUID text for 16 random bytes, with the version and variant bits set.
std::string GuidFromRandomBytes(const unsigned char (&bytes)[16]) {
  unsigned char b[16];
  for (int i = 0; i < 16; ++i) b[i] = bytes[i];
  b[6] = static_cast<unsigned char>((b[6] & 0x0F) | 0x40);  // version 4: random
  b[8] = static_cast<unsigned char>((b[8] & 0x3F) | 0x80);  // the standard variant
  std::string text = "{";
  for (int i = 0; i < 16; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
    text += HexDigits(b[i], 2);
  }
  return text + "}";
}

}  // namespace

bool NewRandomGuid(std::string& guid, std::string& error) {
  unsigned char bytes[16] = {};
#ifdef _WIN32
  const bool ok = RtlGenRandom(bytes, sizeof bytes) != FALSE;
#else
  std::FILE* source = std::fopen("/dev/urandom", "rb");
  const bool ok = source != nullptr && std::fread(bytes, 1, sizeof bytes, source) == sizeof bytes;
  if (source != nullptr) std::fclose(source);
#endif
  if (!ok) {
    error = "cannot read the system's random source for a new GUID";
    return false;
  }
  guid = GuidFromRandomBytes(bytes);
  return true;
}
