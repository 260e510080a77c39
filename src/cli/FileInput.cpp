#include "cli/FileInput.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

#include "cli/ArgumentText.h"
#include "cli/OwnedHandle.h"

namespace {

#ifdef _WIN32

std::wstring Wide(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) {
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  }
  return wide;
}

std::string Describe(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return "no such file or folder";
    case ERROR_ACCESS_DENIED:
      return "access denied";
    case ERROR_SHARING_VIOLATION:
      return "another program has it open";
    default:
      return "Windows error " + std::to_string(code);
  }
}

#else

std::string Describe(int code) { return std::strerror(code); }

#endif

}  // namespace

PathKind KindOfPath(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
#else
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return PathKind::Missing;
  return S_ISDIR(status.st_mode) ? PathKind::Folder : PathKind::File;
#endif
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return last == '/' || last == '\\' ? folder + name : folder + kPathSeparator + name;
}

std::string FolderNameOf(const std::string& filePath) {
  std::string::size_type end = filePath.find_last_of("/\\");
  if (end == std::string::npos) return "";
  while (end > 0 && (filePath[end - 1] == '/' || filePath[end - 1] == '\\')) --end;
  const std::string::size_type start = filePath.find_last_of("/\\:", end == 0 ? 0 : end - 1);
  if (end == 0) return "";
  return start == std::string::npos ? filePath.substr(0, end)
                                    : filePath.substr(start + 1, end - start - 1);
}

bool ListFolder(const std::string& path, std::vector<std::string>& names, std::string& error) {
  names.clear();
#ifdef _WIN32
  WIN32_FIND_DATAW found;
  FolderSearch search(FindFirstFileW(Wide(JoinPath(path, "*")).c_str(), &found));
  if (search.Get() == INVALID_HANDLE_VALUE) {
    error = "cannot read the folder " + QuotedText(path, 0) + ": " + Describe(GetLastError());
    return false;
  }
  do {
    const std::string name = Utf8FromUtf16(reinterpret_cast<const char16_t*>(found.cFileName));
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(search.Get(), &found));
#else
  DIR* folder = opendir(path.c_str());
  if (folder == nullptr) {
    error = "cannot read the folder " + QuotedText(path, 0) + ": " + Describe(errno);
    return false;
  }
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(folder);
#endif
  std::sort(names.begin(), names.end());
  return true;
}

std::string FindName(const std::vector<std::string>& names, const std::string& name) {
  const std::string lower = LowerAscii(name);
  for (const std::string& candidate : names) {
    if (LowerAscii(candidate) == lower) return candidate;
  }
  return "";
}

std::string FindInAnyCase(const std::string& folder, const std::vector<std::string>& names,
                          std::string& relative) {
  std::string at = folder;
  relative.clear();
  for (const std::string& name : names) {
    std::vector<std::string> entries;
    std::string ignored;
    if (!ListFolder(at, entries, ignored)) return "";
    const std::string found = FindName(entries, name);
    if (found.empty()) return "";
    at = JoinPath(at, found);
    relative = JoinPath(relative, found);
  }
  return at;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  const std::size_t limit = 64u << 20;
  bytes.clear();
#ifdef _WIN32
  FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) {
    error = "cannot open " + QuotedText(path, 0) + ": " + Describe(GetLastError());
    return false;
  }
  char buffer[65536];
  DWORD got = 0;
  for (;;) {
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
      error = "cannot read " + QuotedText(path, 0) + ": " + Describe(GetLastError());
      return false;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
    if (bytes.size() > limit) break;
  }
#else
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = "cannot open " + QuotedText(path, 0) + ": " + Describe(errno);
    return false;
  }
  char buffer[65536];
  std::size_t got = 0;
  while (bytes.size() <= limit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    error = "cannot read " + QuotedText(path, 0);
    return false;
  }
#endif
  if (bytes.size() > limit) {
    error = QuotedText(path, 0) + " is larger than " + std::to_string(limit >> 20) + " MB";
    return false;
  }
  return true;
}

#ifdef _WIN32
std::string LocalPolicyFolder() {
  wchar_t windows[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  const std::string root = length > 0 && length <= MAX_PATH
                               ? Utf8FromUtf16(reinterpret_cast<const char16_t*>(windows))
                               : "C:\\Windows";
  const std::string native = JoinPath(root, "Sysnative");
  return JoinPath(KindOfPath(native) == PathKind::Folder ? native : JoinPath(root, "System32"),
                  "GroupPolicy");
}
#endif

std::string LocalPolicyShown(const std::string& folder) {
  const std::string redirected = "\\Sysnative\\";
  const std::size_t at = folder.find(redirected);
  return at == std::string::npos
             ? folder
             : folder.substr(0, at) + "\\System32\\" + folder.substr(at + redirected.size());
}
