#pragma once

#ifdef _WIN32
#include <windows.h>

// A handle of a file (CreateFile, closed with CloseHandle) or of a folder
// search (FindFirstFile, closed with FindClose), freed when it goes out of
// scope: the one owner of each such handle drivemask opens.
template <BOOL(WINAPI* Close)(HANDLE)>
class OwnedHandle {
 public:
  explicit OwnedHandle(HANDLE handle) : m_handle(handle) {}
  ~OwnedHandle() {
    if (m_handle != INVALID_HANDLE_VALUE) Close(m_handle);
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  HANDLE Get() const { return m_handle; }

 private:
  HANDLE m_handle;
};
using FileHandle = OwnedHandle<CloseHandle>;
using FolderSearch = OwnedHandle<FindClose>;

#endif
