#pragma once

class CObject;

// Run-time class information: the name of a class and a link to its base
// class, enough for IsKindOf to walk the chain.
struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;

  // TRUE when this class is pBase or derives from it.
  bool IsDerivedFrom(const CRuntimeClass* pBase) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
      if (c == pBase) {
        return true;
      }
    }
    return false;
  }
};

#define RUNTIME_CLASS(class_name) (&class_name::classInfo##class_name)

// In the class body: declares the class's own run-time information.
#define DECLARE_DYNAMIC(class_name)                 \
 public:                                            \
  static const CRuntimeClass classInfo##class_name; \
  const CRuntimeClass* GetRuntimeClass() const override;

// In one source file: defines it, chained to the base class's.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                      \
  const CRuntimeClass class_name::classInfo##class_name = {#class_name,                     \
                                                           RUNTIME_CLASS(base_class_name)}; \
  const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
