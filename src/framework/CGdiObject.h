#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/CObject.h"

template <class T, class H>
class HandleMap;

// Wrapper of one GDI object (pen, brush, font, bitmap, ...).
//
// A wrapper that created or attached its object owns it and deletes it when it
// is destroyed; owning wrappers can be moved but not copied. FromHandle hands
// out temporary wrappers of foreign handles, which never own them and are freed
// by HandleMapBase::DeleteAllTemporaries.
//
// Every object created through the Create.../Load... functions of the wrappers
// is counted until it is deleted, so that tests can detect GDI leaks where the
// platform's own resource count is not available (LiveObjectCount).
class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)

 public:
  HGDIOBJ m_hObject = nullptr;

  CGdiObject() = default;
  CGdiObject(CGdiObject&& other) noexcept;
  CGdiObject& operator=(CGdiObject&& other) noexcept;
  ~CGdiObject() override;

  // The permanent wrapper of h, else a temporary one of the matching class
  // (CPen, CBrush, CFont, CBitmap or CGdiObject); null for a null handle.
  static CGdiObject* FromHandle(HGDIOBJ h);
  // Only the wrapper that the program attached h to, else null.
  static CGdiObject* FromHandlePermanent(HGDIOBJ h);

  // Takes ownership of h (FALSE when this wrapper already holds an object or h
  // is null).
  BOOL Attach(HGDIOBJ h);
  // Gives up ownership and returns the handle; the object stays alive.
  HGDIOBJ Detach();
  // Deletes the object (if any); FALSE when there was none or the platform
  // refused (a bitmap still selected into a DC, for example).
  BOOL DeleteObject();

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }
  int GetObject(int count, void* buffer) const;
  // OBJ_PEN, OBJ_BRUSH, ...; 0 when empty or the handle is no longer valid.
  UINT GetObjectType() const;
  // Wraps a stock object (never deleted, never counted).
  BOOL CreateStockObject(int index);

  // Objects created through the wrappers and not deleted yet, all kinds
  // together or only those of one OBJ_ type.
  static std::size_t LiveObjectCount(DWORD objectType = 0);
  // Counts an object made outside the wrappers (one held by a UniqueHandle)
  // among the live objects until it is deleted; returns h.
  static HGDIOBJ CountCreated(HGDIOBJ h);

  // Used by the handle map.
  static CGdiObject* NewTemporary(HGDIOBJ h);
  static void DeleteTemporary(CGdiObject* p);

 protected:
  // Attaches an object the wrapper has just created and counts it.
  BOOL AttachCreated(HGDIOBJ h);

 private:
  static HandleMap<CGdiObject, HGDIOBJ>& Map();
};
