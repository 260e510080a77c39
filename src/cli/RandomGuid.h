#pragma once

#include <string>

// A fresh random GUID (version 4) in the registry's form,
// "{0F3C5A8E-1B2D-4C6E-9A7B-3D5E8F1A2C4B}", from the system's random source
// (/dev/urandom; RtlGenRandom on Windows). False with a message when the
// source cannot be read.
bool NewRandomGuid(std::string& guid, std::string& error);
