#include "framework/CGdiObject.h"

#include <set>

#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPen.h"
#include "framework/HandleMap.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

namespace {

// Handles created through the wrappers and not yet deleted by them.
std::set<HGDIOBJ>& CreatedObjects() {
  static auto* created = new std::set<HGDIOBJ>;  // never destroyed, like the map
  return *created;
}

}  // namespace

HandleMap<CGdiObject, HGDIOBJ>& CGdiObject::Map() {
  // Never destroyed: wrappers with static storage may outlive any static map.
  static auto* map = new HandleMap<CGdiObject, HGDIOBJ>;
  return *map;
}

CGdiObject::CGdiObject(CGdiObject&& other) noexcept {
  HGDIOBJ h = other.Detach();
  if (h != nullptr) {
    Attach(h);
  }
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
  if (this != &other) {
    DeleteObject();
    HGDIOBJ h = other.Detach();
    if (h != nullptr) {
      Attach(h);
    }
  }
  return *this;
}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) { return Map().FromHandle(h); }

CGdiObject* CGdiObject::FromHandlePermanent(HGDIOBJ h) {
  return h == nullptr ? nullptr : Map().LookupPermanent(h);
}

BOOL CGdiObject::Attach(HGDIOBJ h) {
  if (h == nullptr || m_hObject != nullptr) {
    return FALSE;
  }
  m_hObject = h;
  Map().SetPermanent(h, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h != nullptr && Map().LookupPermanent(h) == this) {
    Map().RemoveHandle(h);
  }
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) {
    return FALSE;
  }
  HGDIOBJ h = Detach();
  if (!::DeleteObject(h)) {
    return FALSE;  // still alive (and still counted if we made it)
  }
  CreatedObjects().erase(h);
  return TRUE;
}

int CGdiObject::GetObject(int count, void* buffer) const {
  return m_hObject == nullptr ? 0 : ::GetObjectA(m_hObject, count, buffer);
}

UINT CGdiObject::GetObjectType() const {
  return m_hObject == nullptr ? 0 : static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int index) { return Attach(::GetStockObject(index)); }

BOOL CGdiObject::AttachCreated(HGDIOBJ h) {
  if (h == nullptr) {
    return FALSE;
  }
  if (!Attach(h)) {
    ::DeleteObject(h);  // the wrapper was not empty: do not leak the new object
    return FALSE;
  }
  CreatedObjects().insert(h);
  return TRUE;
}

std::size_t CGdiObject::LiveObjectCount(DWORD objectType) {
  std::set<HGDIOBJ>& created = CreatedObjects();
  std::size_t n = 0;
  for (auto it = created.begin(); it != created.end();) {
    const DWORD type = ::GetObjectType(*it);
    if (type == 0) {
      it = created.erase(it);  // deleted behind the wrappers' back after Detach
      continue;
    }
    if (objectType == 0 || type == objectType) {
      ++n;
    }
    ++it;
  }
  return n;
}

HGDIOBJ CGdiObject::CountCreated(HGDIOBJ h) {
  if (h != nullptr) {
    CreatedObjects().insert(h);  // forgotten by LiveObjectCount once deleted
  }
  return h;
}

CGdiObject* CGdiObject::NewTemporary(HGDIOBJ h) {
  CGdiObject* p = nullptr;
  switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      p = new CPen;
      break;
    case OBJ_BRUSH:
      p = new CBrush;
      break;
    case OBJ_FONT:
      p = new CFont;
      break;
    case OBJ_BITMAP:
      p = new CBitmap;
      break;
    default:
      p = new CGdiObject;
      break;
  }
  p->m_hObject = h;  // not in the permanent map, not owned
  return p;
}

void CGdiObject::DeleteTemporary(CGdiObject* p) {
  p->m_hObject = nullptr;
  delete p;
}
