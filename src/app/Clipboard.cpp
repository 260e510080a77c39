#include "app/Clipboard.h"

#include <cstring>

namespace {

const ClipboardCalls kSystemCalls = {&::GlobalAlloc, &::GlobalLock, &::GlobalFree,
                                     &::SetClipboardData, &::OpenClipboard};

ClipboardCalls g_calls = kSystemCalls;

// A global memory block that is freed unless it was handed on.
class GlobalBlock {
 public:
  explicit GlobalBlock(HGLOBAL block) : block_(block) {}
  ~GlobalBlock() {
    if (block_ != nullptr) g_calls.globalFree(block_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  HGLOBAL get() const { return block_; }
  HGLOBAL release() {
    HGLOBAL block = block_;
    block_ = nullptr;
    return block;
  }

 private:
  HGLOBAL block_;
};

// Makes the CF_TEXT block: the text and its zero byte, exactly that long.
// Null when the block cannot be allocated or locked; nothing is written then.
HGLOBAL MakeTextBlock(const char* text) {
  const SIZE_T bytes = std::strlen(text) + 1;
  // The clipboard takes movable memory only; GMEM_DDESHARE lets other
  // programs read the block.
  GlobalBlock block(g_calls.globalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes));
  if (block.get() == nullptr) return nullptr;
  void* data = g_calls.globalLock(block.get());
  if (data == nullptr) return nullptr;
  std::memcpy(data, text, bytes);
  ::GlobalUnlock(block.get());
  return block.release();
}

}  // namespace

void CopyTextToClipboard(HWND owner, const char* text) {
  if (text == nullptr) return;
  // The block is made before the clipboard is opened and emptied, so that a
  // failure to make it leaves the user's clipboard as it was.
  GlobalBlock block(MakeTextBlock(text));
  if (block.get() == nullptr) return;
  // Another program holding the clipboard open usually lets go within
  // milliseconds: try again a few times rather than leave the fields and the
  // clipboard disagreeing. Still busy after that: skip the copy.
  bool opened = false;
  for (int attempt = 0; attempt < kClipboardOpenAttempts && !opened; ++attempt) {
    if (attempt > 0) ::Sleep(kClipboardRetryMs);
    opened = g_calls.openClipboard(owner) != FALSE;
  }
  if (!opened) return;
  ::EmptyClipboard();  // makes owner the clipboard owner
  // Once the clipboard accepts the block it belongs to the clipboard; a
  // refused block stays ours and is freed.
  if (g_calls.setClipboardData(CF_TEXT, block.get()) != nullptr) block.release();
  ::CloseClipboard();
}

const ClipboardCalls& SystemClipboardCalls() { return kSystemCalls; }

ScopedClipboardCalls::ScopedClipboardCalls(const ClipboardCalls& calls) : previous_(g_calls) {
  g_calls = calls;
}

ScopedClipboardCalls::~ScopedClipboardCalls() { g_calls = previous_; }
