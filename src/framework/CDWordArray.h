#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/PodArray.h"

// A growable array of 32-bit values (command ids, for instance).
// Usable during static initialisation (constexpr constructor).
class CDWordArray : public CObject {
  DECLARE_DYNAMIC(CDWordArray)

 public:
  constexpr CDWordArray() noexcept = default;

  std::ptrdiff_t GetSize() const { return m_items.GetSize(); }
  std::ptrdiff_t GetCount() const { return m_items.GetCount(); }
  std::ptrdiff_t GetUpperBound() const { return m_items.GetUpperBound(); }
  bool IsEmpty() const { return m_items.IsEmpty(); }
  DWORD GetAt(std::ptrdiff_t index) const { return m_items.GetAt(index); }
  void SetAt(std::ptrdiff_t index, DWORD value) { m_items.SetAt(index, value); }
  DWORD& ElementAt(std::ptrdiff_t index) { return m_items.ElementAt(index); }
  DWORD operator[](std::ptrdiff_t index) const { return m_items[index]; }
  DWORD& operator[](std::ptrdiff_t index) { return m_items[index]; }
  const DWORD* GetData() const { return m_items.GetData(); }

  // Index of the new element, -1 when memory ran out.
  std::ptrdiff_t Add(DWORD value) { return m_items.Add(value); }
  bool InsertAt(std::ptrdiff_t index, DWORD value, std::ptrdiff_t count = 1) {
    return m_items.InsertAt(index, value, count);
  }
  void RemoveAt(std::ptrdiff_t index, std::ptrdiff_t count = 1) { m_items.RemoveAt(index, count); }
  void RemoveAll() { m_items.RemoveAll(); }
  std::ptrdiff_t Append(const CDWordArray& other) { return m_items.Append(other.m_items); }
  bool SetSize(std::ptrdiff_t size) { return m_items.SetSize(size); }

 private:
  PodArray<DWORD> m_items;
};
