#pragma once

#include "framework/CRuntimeClass.h"

// Root of the framework's classes: a virtual destructor and run-time class
// information.
class CObject {
 public:
  static const CRuntimeClass classInfoCObject;

  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
  virtual ~CObject() = default;

  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
  }
};
