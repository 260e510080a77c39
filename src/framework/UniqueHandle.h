#pragma once

#include <windows.h>

#include <cstddef>

// The owner of one platform handle: the function that frees the handle is part
// of the type, so a handle held in a UniqueHandle is freed exactly once, by
// the owner's destructor or reset, and never by hand.
//
//   UniqueIcon icon(list.ExtractIcon(0));
//   if (!icon) return;
//   DrawIconEx(dc, 0, 0, icon.get(), ...);   // destroyed when icon leaves scope
//
// Move-only. release() hands the handle on without freeing it.
template <class Handle, auto Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) noexcept : m_handle(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(other.release());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return m_handle; }
  explicit operator bool() const noexcept { return m_handle != nullptr; }

  // Frees the handle held now (unless it is handle itself) and holds handle.
  void reset(Handle handle = nullptr) noexcept {
    const Handle old = m_handle;
    m_handle = handle;
    if (old != nullptr && old != handle) {
      Free(old);
    }
  }
  // Gives up the handle without freeing it.
  Handle release() noexcept {
    const Handle handle = m_handle;
    m_handle = nullptr;
    return handle;
  }

  friend bool operator==(const UniqueHandle& owner, std::nullptr_t) noexcept {
    return owner.m_handle == nullptr;
  }
  friend bool operator==(std::nullptr_t, const UniqueHandle& owner) noexcept {
    return owner.m_handle == nullptr;
  }
  friend bool operator!=(const UniqueHandle& owner, std::nullptr_t) noexcept {
    return owner.m_handle != nullptr;
  }
  friend bool operator!=(std::nullptr_t, const UniqueHandle& owner) noexcept {
    return owner.m_handle != nullptr;
  }

 private:
  Handle m_handle = nullptr;
};

// The owners the controls use. GDI objects made through the CGdiObject
// wrappers (CBitmap, CBrush, ...) are counted there; these hold handles that
// come from elsewhere (handed in by a caller, or made by a platform call that
// has no wrapper: CGdiObject::CountCreated counts such an object too).
using UniqueIcon = UniqueHandle<HICON, &::DestroyIcon>;
using UniqueCursor = UniqueHandle<HCURSOR, &::DestroyCursor>;
using UniqueBitmap = UniqueHandle<HBITMAP, &::DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &::DeleteObject>;
using UniquePen = UniqueHandle<HPEN, &::DeleteObject>;
using UniqueFont = UniqueHandle<HFONT, &::DeleteObject>;
using UniqueMenu = UniqueHandle<HMENU, &::DestroyMenu>;
using UniqueMemoryDC = UniqueHandle<HDC, &::DeleteDC>;
