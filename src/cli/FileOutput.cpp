#include "cli/FileOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include "cli/ArgumentText.h"

namespace {

std::string Failure(const std::string& what, const std::string& path, int code) {
  return "cannot " + what + " " + QuotedText(path) + ": " +
         (code == ENOSPC ? std::string("the disk is full") : std::strerror(code));
}

bool WriteOne(const std::string& path, const std::string& text, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = Failure("write", path, errno);
    return false;
  }
  errno = 0;
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = std::fflush(file) == 0 && ok;
  const int code = errno != 0 ? errno : EIO;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) error = Failure("write", path, errno != 0 ? errno : code);
  return ok;
}

bool MoveIntoPlace(const std::string& from, const std::string& to, std::string& error) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    return true;
  }
  error = "cannot replace " + QuotedText(to) + " (Windows error " + std::to_string(GetLastError()) +
          ")";
  return false;
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) {
    return true;
  }
  error = Failure("replace", to, errno);
  return false;
#endif
}

}  // namespace

bool MakeFolder(const std::string& path, std::string& error) {
#ifdef _WIN32
  if (CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return true;
    }
  }
  error = "cannot make the folder " + QuotedText(path) + " (Windows error " +
          std::to_string(GetLastError()) + ")";
  return false;
#else
  struct stat info;
  if (mkdir(path.c_str(), 0777) == 0 ||
      (errno == EEXIST && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))) {
    return true;
  }
  error = Failure("make the folder", path, errno == EEXIST ? ENOTDIR : errno);
  return false;
#endif
}

bool WriteFiles(const std::vector<std::pair<std::string, std::string>>& files, std::string& error) {
  std::vector<std::string> written;
  bool ok = true;
  for (const auto& file : files) {
    const std::string temporary = file.first + ".tmp";
    ok = WriteOne(temporary, file.second, error);
    written.push_back(temporary);
    if (!ok) break;
  }
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    ok = MoveIntoPlace(written[i], files[i].first, error);
  }
  if (!ok) {
    for (const std::string& temporary : written) std::remove(temporary.c_str());
  }
  return ok;
}
