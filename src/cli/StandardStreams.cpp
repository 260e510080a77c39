#include "cli/StandardStreams.h"

#ifdef _WIN32
#include <windows.h>

#include "cli/ArgumentText.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#endif

namespace {

#ifdef _WIN32

std::string DescribeError(DWORD code, const char* stream) {
  switch (code) {
    case ERROR_INVALID_HANDLE:
      return std::string(stream) + " is closed";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "the disk is full";
    case ERROR_BROKEN_PIPE:
    case ERROR_NO_DATA:
      return "the pipe is closed";
    default:
      return "Windows error " + std::to_string(code);
  }
}

bool WriteAll(DWORD which, const char* stream, const std::string& text, std::string& error) {
  if (text.empty()) {
    return true;  // nothing to write: a closed stream is no failure then
  }
  const std::string crlf = WithCrLf(text);
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
    error = std::string(stream) + " is closed";
    return false;
  }
  std::size_t done = 0;
  while (done < crlf.size()) {
    const std::size_t left = crlf.size() - done;
    const DWORD chunk = left > 65536 ? 65536 : static_cast<DWORD>(left);
    DWORD written = 0;
    if (!WriteFile(handle, crlf.data() + done, chunk, &written, nullptr) || written == 0) {
      error = DescribeError(GetLastError(), stream);
      return false;
    }
    done += written;
  }
  return true;
}

#else

// The same words as the Windows build for the failures both can meet.
std::string DescribeError(int code, const char* stream) {
  switch (code) {
    case EBADF:
      return std::string(stream) + " is closed";
    case ENOSPC:
      return "the disk is full";
    case EPIPE:
      return "the pipe is closed";
    default:
      return std::strerror(code);
  }
}

bool WriteAll(int fd, const char* stream, const std::string& text, std::string& error) {
  std::size_t done = 0;  // an empty text writes nothing and succeeds, as on Windows
  while (done < text.size()) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = DescribeError(written < 0 ? errno : EIO, stream);
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

#endif

}  // namespace

void PrepareStandardStreams() {
#ifndef _WIN32
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      // Read-only: a write to the placeholder fails with EBADF, as it would
      // have on the closed stream.
      const int placeholder = open("/dev/null", O_RDONLY);
      if (placeholder >= 0 && placeholder != fd) close(placeholder);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool WriteStandardOutput(const std::string& text, std::string& error) {
#ifdef _WIN32
  return WriteAll(STD_OUTPUT_HANDLE, "standard output", text, error);
#else
  return WriteAll(STDOUT_FILENO, "standard output", text, error);
#endif
}

bool WriteStandardError(const std::string& text, std::string& error) {
#ifdef _WIN32
  return WriteAll(STD_ERROR_HANDLE, "standard error", text, error);
#else
  return WriteAll(STDERR_FILENO, "standard error", text, error);
#endif
}
