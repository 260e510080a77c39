#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Files and folders read for show --from and --local-gpo. Paths are UTF-8 on
// every build; the Windows build passes them to the system in UTF-16, so a
// folder name in any script is found and shown as it is.

// The separator this system writes between folder names.
#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

enum class PathKind { Missing, File, Folder };
PathKind KindOfPath(const std::string& path);

// folder and name joined with one separator.
std::string JoinPath(const std::string& folder, const std::string& name);

// The last name of a path ("Machine" for "gpo/Machine/Registry.pol" when
// asked for the folder of a file: FolderNameOf), or "".
std::string FolderNameOf(const std::string& filePath);

// The names a folder holds (not "." and ".."), in byte order; false with a
// message naming the folder.
bool ListFolder(const std::string& path, std::vector<std::string>& names, std::string& error);

// The entry of names equal to name in any case (Windows' own comparison of
// file names, which Group Policy's writers rely on), or "".
std::string FindName(const std::vector<std::string>& names, const std::string& name);

// The path within folder whose names match names one after another in any
// case ({"Machine", "Registry.pol"} finds MACHINE/registry.pol), and in
// relative the same path without folder; "" when one of them is missing.
std::string FindInAnyCase(const std::string& folder, const std::vector<std::string>& names,
                          std::string& relative);

// The whole of a file of at most 64 MB (an export of a whole hive is large;
// Group Policy's files are a few kilobytes); false with a message naming it.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

#ifdef _WIN32
// The local Group Policy folder, System32\GroupPolicy: the real one also from
// this 32-bit program on 64-bit Windows, whose System32 the file system
// redirects to SysWOW64 (where the local policy is not). Sysnative names the
// real System32 for 32-bit programs only, so it exists exactly when needed.
std::string LocalPolicyFolder();
#endif

// The local policy folder as the administrator knows it: System32 also where
// this program reaches it through Sysnative.
std::string LocalPolicyShown(const std::string& folder);
