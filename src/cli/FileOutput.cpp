#include "cli/FileOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "cli/ArgumentText.h"
#include "cli/OwnedHandle.h"

MoveFileFunction g_moveFile = MoveFileOver;

namespace {

std::string Failure(const std::string& what, const std::string& path, int code) {
  return "cannot " + what + " " + QuotedText(path, 0) + ": " +
         (code == ENOSPC ? std::string("the disk is full") : std::strerror(code));
}

// The data on the disk, not only in the system's cache: the old file is
// replaced by this one right afterwards.
bool FlushToDisk(std::FILE* file) {
#ifdef _WIN32
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return FlushFileBuffers(handle) != 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Writes the text to path; a failure names the file it is meant for.
bool WriteOne(const std::string& path, const std::string& meantFor, const std::string& text,
              std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = Failure("write", meantFor, errno);
    return false;
  }
  errno = 0;
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ok && FlushToDisk(file);
  const int code = errno != 0 ? errno : EIO;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) error = Failure("write", meantFor, errno != 0 ? errno : code);
  return ok;
}

// The new file gets the old one's permissions and owner, as far as this
// process may give them (natively; on Windows it takes its folder's).
void KeepPermissions(const std::string& old, const std::string& replacement) {
#ifndef _WIN32
  struct stat info;
  if (stat(old.c_str(), &info) != 0) return;
  chmod(replacement.c_str(), info.st_mode & 07777);
  // Only root gives a file away; otherwise the new file stays this user's.
  if (chown(replacement.c_str(), info.st_uid, info.st_gid) != 0) return;
#else
  (void)old;
  (void)replacement;
#endif
}

// One file on its way into place.
struct Replacement {
  std::string path;
  std::string temporary;
  std::string kept;  // the old file's name while the new one goes in
  bool hadOld = false;
  bool oldKept = false;
  bool placed = false;
};

// Keeps the old file as path.old: a second name for it where the file system
// allows one (so the file's own name never goes missing), else moved there.
bool KeepOld(Replacement& file, std::string& error) {
  std::remove(file.kept.c_str());
#ifdef _WIN32
  const bool linked = CreateHardLinkA(file.kept.c_str(), file.path.c_str(), nullptr) != 0;
#else
  const bool linked = link(file.path.c_str(), file.kept.c_str()) == 0;
#endif
  file.oldKept = linked || g_moveFile(file.path, file.kept, error);
  return file.oldKept;
}

// Puts every file back as it was. An old file that cannot be put back stays
// under its .old name, and error says so.
void Undo(std::vector<Replacement>& files, std::string& error) {
  for (Replacement& file : files) {
    std::remove(file.temporary.c_str());
    if (file.oldKept) {
      std::string undoError;
      if (PathExists(file.path) && !file.placed) {
        std::remove(file.kept.c_str());  // a second name: the file itself never moved
      } else if (!g_moveFile(file.kept, file.path, undoError)) {
        error += "; the old contents are kept in " + QuotedText(file.kept, 0);
      }
    } else if (file.placed && !file.hadOld) {
      std::remove(file.path.c_str());
    }
  }
}

}  // namespace

bool MoveFileOver(const std::string& from, const std::string& to, std::string& error) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  error = "cannot replace " + QuotedText(to, 0) + " (Windows error " +
          std::to_string(GetLastError()) + ")";
  return false;
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) {
    return true;
  }
  error = Failure("replace", to, errno);
  return false;
#endif
}

bool IsLink(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
#else
  struct stat info;
  return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
#endif
}

namespace {

// The path with every link followed, as the system resolves it; empty when it
// cannot.
std::string ResolvedPath(const std::string& path) {
#ifdef _WIN32
  using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD, DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const FARPROC found =
      kernel != nullptr ? GetProcAddress(kernel, "GetFinalPathNameByHandleA") : nullptr;
  if (found == nullptr) return "";
  const auto finalPath = reinterpret_cast<FinalPathFunction>(reinterpret_cast<void*>(found));
  const FileHandle handle(CreateFileA(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (handle.Get() == INVALID_HANDLE_VALUE) return "";
  char resolved[4096] = "";
  const DWORD length = finalPath(handle.Get(), resolved, sizeof resolved, 0);
  return length > 0 && length < sizeof resolved ? LowerAscii(resolved) + "\\" : "";
#else
  char* resolved = realpath(path.c_str(), nullptr);
  const std::string text = resolved != nullptr ? std::string(resolved) + "/" : "";
  std::free(resolved);
  return text;
#endif
}

}  // namespace

bool LeadsOutOf(const std::string& path, const std::string& folder) {
  const std::string inner = ResolvedPath(path);
  const std::string outer = ResolvedPath(folder);
  return !inner.empty() && !outer.empty() && inner.compare(0, outer.size(), outer) != 0;
}

bool PathExists(const std::string& path) {
#ifdef _WIN32
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
#else
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
#endif
}

bool MakeFolder(const std::string& path, std::string& error, bool* made) {
  if (made != nullptr) *made = false;
#ifdef _WIN32
  if (CreateDirectoryA(path.c_str(), nullptr)) {
    if (made != nullptr) *made = true;
    return true;
  }
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return true;
    }
  }
  error = "cannot make the folder " + QuotedText(path, 0) + " (Windows error " +
          std::to_string(GetLastError()) + ")";
  return false;
#else
  struct stat info;
  if (mkdir(path.c_str(), 0777) == 0) {
    if (made != nullptr) *made = true;
    return true;
  }
  if (errno == EEXIST && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    return true;
  }
  error = Failure("make the folder", path, errno == EEXIST ? ENOTDIR : errno);
  return false;
#endif
}

void RemoveEmptyFolder(const std::string& path) {
#ifdef _WIN32
  RemoveDirectoryA(path.c_str());
#else
  rmdir(path.c_str());
#endif
}

bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files, std::string& error) {
  std::vector<Replacement> replacements;
  for (const auto& file : files) {
    Replacement replacement;
    replacement.path = file.first;
    replacement.temporary = file.first + ".tmp";
    replacement.kept = file.first + ".old";
    replacement.hadOld = PathExists(file.first);
    replacements.push_back(replacement);
  }
  bool ok = true;
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    ok = WriteOne(replacements[i].temporary, files[i].first, files[i].second, error);
    if (ok && replacements[i].hadOld) KeepPermissions(files[i].first, replacements[i].temporary);
  }
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    Replacement& file = replacements[i];
    ok = (!file.hadOld || KeepOld(file, error)) && g_moveFile(file.temporary, file.path, error);
    file.placed = ok;
  }
  if (!ok) {
    Undo(replacements, error);
    return false;
  }
  for (const Replacement& file : replacements) {
    if (file.oldKept) std::remove(file.kept.c_str());
  }
  return true;
}
