#pragma once

#include <map>

#include "framework/HandleMapBase.h"

// Maps platform handles to the framework objects that wrap them.
//
// Permanent entries are objects the program attached itself (Attach,
// SubclassWindow, ...); FromHandle hands out a temporary wrapper for any other
// handle, which lives until the message loop next goes idle. Temporary
// wrappers never own their handle: the map's release function detaches the
// handle before deleting the wrapper.
//
// T must offer:
//   static T* NewTemporary(H h);      // a wrapper of h that does not own it
//   static void DeleteTemporary(T* p); // forget the handle, delete the wrapper
template <class T, class H>
class HandleMap final : public HandleMapBase {
 public:
  void SetPermanent(H h, T* object) { m_permanent[h] = object; }
  void RemoveHandle(H h) { m_permanent.erase(h); }

  T* LookupPermanent(H h) const {
    auto it = m_permanent.find(h);
    return it == m_permanent.end() ? nullptr : it->second;
  }
  T* LookupTemporary(H h) const {
    auto it = m_temporary.find(h);
    return it == m_temporary.end() ? nullptr : it->second;
  }

  // The permanent object of h, else a temporary one made on first request;
  // null for a null handle.
  T* FromHandle(H h) {
    if (h == H()) {
      return nullptr;
    }
    if (T* p = LookupPermanent(h)) {
      return p;
    }
    if (T* p = LookupTemporary(h)) {
      return p;
    }
    T* p = T::NewTemporary(h);
    m_temporary[h] = p;
    return p;
  }

  void DeleteTemp() override {
    std::map<H, T*> doomed;
    doomed.swap(m_temporary);
    for (auto& entry : doomed) {
      T::DeleteTemporary(entry.second);
    }
  }
  std::size_t TemporaryCount() const override { return m_temporary.size(); }
  std::size_t PermanentCount() const { return m_permanent.size(); }

 private:
  std::map<H, T*> m_permanent;
  std::map<H, T*> m_temporary;
};
