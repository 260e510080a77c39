#pragma once

#include <string>

// The program's standard output and standard error, written straight to the
// system (no buffering in between) with every write checked, so that output
// lost to a full disk, a closed stream or a closed pipe is reported, never
// taken for success. The Windows build writes CR LF line ends.

// Prepares the standard streams before anything else runs. Natively a closed
// standard stream gets a placeholder that refuses writes, so that no file the
// program opens takes its place and writing to it fails as it should; a closed
// pipe makes a write fail instead of ending the program.
void PrepareStandardStreams();

// Writes the whole text; false with a short description of the failure
// ("No space left on device", "standard output is closed") otherwise.
bool WriteStandardOutput(const std::string& text, std::string& error);
bool WriteStandardError(const std::string& text, std::string& error);
