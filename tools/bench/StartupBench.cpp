// Start-up time of two dialog programs under the same (warm) Wine: from
// CreateProcess until the program's first window is visible. Each run closes
// the dialog with IDCANCEL and waits for the process to end; the programs
// take turns, after one warm-up run each.
//
//   bench_startup <program-a.exe> <program-b.exe> [runs]
//
// Prints every program's median, minimum and maximum in milliseconds, and
// the ratio of the medians (a / b).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ::IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// One run: milliseconds to the visible window, or a negative value on failure.
double TimeOneStart(const std::string& program) {
  LARGE_INTEGER frequency, start, now;
  ::QueryPerformanceFrequency(&frequency);
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ::QueryPerformanceCounter(&start);
  if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return -1;
  }
  Search search = {info.dwProcessId, nullptr};
  double elapsed = -2;
  for (;;) {
    ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
    ::QueryPerformanceCounter(&now);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    if (search.found != nullptr) {
      elapsed = ms;
      break;
    }
    if (ms > 20000 || ::WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) break;
    ::Sleep(1);
  }
  if (search.found != nullptr) {
    ::PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  if (::WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
    ::TerminateProcess(info.hProcess, 1);
    elapsed = -3;
  }
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  return elapsed;
}

struct Summary {
  double median, minimum, maximum;
};

Summary Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  return {median, times.front(), times.back()};
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_startup <program-a.exe> <program-b.exe> [runs]\n");
    return 2;
  }
  const std::string programs[2] = {WindowsPath(argv[1]), WindowsPath(argv[2])};
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 25;
  std::vector<double> times[2];
  for (int warm = 0; warm < 2; ++warm) {
    if (TimeOneStart(programs[warm]) < 0) {
      std::fprintf(stderr, "bench_startup: %s did not show a window\n", programs[warm].c_str());
      return 1;
    }
  }
  for (int run = 0; run < runs; ++run) {
    for (int p = 0; p < 2; ++p) {
      const double ms = TimeOneStart(programs[p]);
      if (ms < 0) {
        std::fprintf(stderr, "bench_startup: run %d of %s failed (%g)\n", run, programs[p].c_str(),
                     ms);
        return 1;
      }
      times[p].push_back(ms);
    }
  }
  Summary s[2] = {Summarise(times[0]), Summarise(times[1])};
  std::printf("start-up to visible dialog, %d runs each (ms): median / min / max\n", runs);
  for (int p = 0; p < 2; ++p) {
    std::printf("  %-18s %8.1f %8.1f %8.1f\n", BaseName(programs[p]).c_str(), s[p].median,
                s[p].minimum, s[p].maximum);
  }
  std::printf("  ratio of medians   %8.2f\n", s[0].median / s[1].median);
  return 0;
}
