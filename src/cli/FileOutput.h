#pragma once

#include <string>
#include <utility>
#include <vector>

// Files written whole or not at all, for template, the policy file formats
// and gpo (FileInput reads them).

// Whether the name is a link (natively a symbolic link; on Windows any
// reparse point: a symbolic link, a junction, a mount point), not followed.
bool IsLink(const std::string& path);

// Whether the path, with every link on the way followed, lies outside the
// folder (also where the system does not show a link as one: Wine shows a
// file behind a Unix symbolic link as a plain file). False for a path that
// is not there, and where the system cannot tell (Windows before Vista).
bool LeadsOutOf(const std::string& path, const std::string& folder);

// Makes the folder unless it is there already; false with a message naming
// the folder and the failure. made tells whether this call made it.
bool MakeFolder(const std::string& path, std::string& error, bool* made = nullptr);

// Whether anything (a file, a folder, a link) has this name.
bool PathExists(const std::string& path);

// Removes an empty folder that MakeFolder made, when the files meant for it
// could not be written after all.
void RemoveEmptyFolder(const std::string& path);

// Writes each (path, text) under a temporary name beside it (path.tmp), with
// every write checked and the data flushed to the disk, then moves them over
// the old files one by one. All or nothing: when any step fails, every file
// that was already replaced gets its old contents back (each old file is kept
// as path.old until all are in place), files that were new are removed again,
// and no temporary is left behind. False with a message naming the file and
// the failure.
bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files, std::string& error);

// The step that moves a file over another (rename natively, MoveFileEx on
// Windows), through which WriteFiles makes every move. A test replaces it to
// make a move fail half-way.
using MoveFileFunction = bool (*)(const std::string& from, const std::string& to,
                                  std::string& error);
extern MoveFileFunction g_moveFile;
bool MoveFileOver(const std::string& from, const std::string& to, std::string& error);
