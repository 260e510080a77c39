#pragma once

#include "framework/CObject.h"
#include "framework/PodArray.h"

// A growable array of untyped pointers. It never owns what they point to.
// Usable during static initialisation (constexpr constructor).
class CPtrArray : public CObject {
  DECLARE_DYNAMIC(CPtrArray)

 public:
  constexpr CPtrArray() noexcept = default;

  std::ptrdiff_t GetSize() const { return m_items.GetSize(); }
  std::ptrdiff_t GetCount() const { return m_items.GetCount(); }
  std::ptrdiff_t GetUpperBound() const { return m_items.GetUpperBound(); }
  bool IsEmpty() const { return m_items.IsEmpty(); }
  void* GetAt(std::ptrdiff_t index) const { return m_items.GetAt(index); }
  void SetAt(std::ptrdiff_t index, void* p) { m_items.SetAt(index, p); }
  void*& ElementAt(std::ptrdiff_t index) { return m_items.ElementAt(index); }
  void* operator[](std::ptrdiff_t index) const { return m_items[index]; }
  void*& operator[](std::ptrdiff_t index) { return m_items[index]; }
  void** GetData() { return m_items.GetData(); }

  // Index of the new element, -1 when memory ran out.
  std::ptrdiff_t Add(void* p) { return m_items.Add(p); }
  bool InsertAt(std::ptrdiff_t index, void* p, std::ptrdiff_t count = 1) {
    return m_items.InsertAt(index, p, count);
  }
  void RemoveAt(std::ptrdiff_t index, std::ptrdiff_t count = 1) { m_items.RemoveAt(index, count); }
  void RemoveAll() { m_items.RemoveAll(); }
  std::ptrdiff_t Append(const CPtrArray& other) { return m_items.Append(other.m_items); }
  bool SetSize(std::ptrdiff_t size) { return m_items.SetSize(size); }

 private:
  PodArray<void*> m_items;
};
