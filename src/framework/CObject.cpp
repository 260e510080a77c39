#include "framework/CObject.h"

const CRuntimeClass CObject::classInfoCObject = {"CObject", nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }
