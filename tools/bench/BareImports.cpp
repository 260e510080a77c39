// The bare program with one more DLL in its import table (the DLL is loaded
// at start-up and none of its functions is called): BARE_IMPORT names it.
// Start-up of these against the bare program itself is what loading that DLL
// costs.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

// A static initialiser keeps the reference (and so the import) from the
// linker's garbage collection; it stores one address.
namespace {
const void* volatile g_bareImport;
struct Keep {
  explicit Keep(const void* function) { g_bareImport = function; }
};
}  // namespace
#define BARE_KEEP(function) const Keep g_keep(reinterpret_cast<const void*>(&function))

#if BARE_IMPORT == 1
BARE_KEEP(::RegCloseKey);
#elif BARE_IMPORT == 2
BARE_KEEP(::_TrackMouseEvent);
#elif BARE_IMPORT == 3
BARE_KEEP(::ShellExecuteExA);
#elif BARE_IMPORT == 4
BARE_KEEP(::PlaySoundA);
#endif
