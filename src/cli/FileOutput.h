#pragma once

#include <string>
#include <utility>
#include <vector>

// Files written whole or not at all, for template.

// Makes the folder unless it is there already; false with a message naming
// the folder and the failure.
bool MakeFolder(const std::string& path, std::string& error);

// Writes each (path, text) under a temporary name beside it with every write
// checked, then moves them into place, replacing older files of the same
// names. A failure before the moves leaves the old files as they were and no
// temporary behind; false with a message naming the file and the failure.
bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files, std::string& error);
