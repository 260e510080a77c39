#include "framework/CCmdTarget.h"

#include "framework/MessageMap.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMap* CCmdTarget::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

bool IsCtlColorMessage(UINT message) {
  return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

bool Matches(const MessageMapEntry& e, UINT message, UINT code, UINT id) {
  if (e.message != message) {
    // The WM_CTLCOLOR entries serve all seven control-colour messages.
    if (e.message == WM_CTLCOLOR && IsCtlColorMessage(message)) {
      return true;
    }
    if (e.message == WM_REFLECT_BASE + WM_CTLCOLOR && message >= WM_REFLECT_BASE &&
        IsCtlColorMessage(message - WM_REFLECT_BASE)) {
      return true;
    }
    return false;
  }
  return e.code == code && e.idFirst <= id && id <= e.idLast;
}

}  // namespace

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
  for (const MessageMap* map = GetMessageMap(); map != nullptr;
       map = map->base != nullptr ? map->base() : nullptr) {
    for (const MessageMapEntry* e = map->entries; e->handler != nullptr; ++e) {
      if (Matches(*e, message, code, id)) {
        return e;
      }
    }
  }
  return nullptr;
}

BOOL CCmdTarget::DispatchToMessageMap(UINT message, UINT code, UINT id, MessageArgs& args) {
  const MessageMapEntry* e = FindMessageEntry(message, code, id);
  return e != nullptr && e->handler(*this, args);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, MessageArgs& args) {
  return DispatchToMessageMap(WM_COMMAND, static_cast<UINT>(nCode), nID, args);
}
