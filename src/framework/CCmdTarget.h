#pragma once

#include <windows.h>

#include "framework/CObject.h"

class CCmdTarget;

// One window message, command or notification as the message map sees it.
// Handlers store the value the sender gets back in result.
struct MessageArgs {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result;
};

// Calls the member a map entry names, with the arguments unpacked for its
// real signature. Answers whether the message counts as handled: only the
// *_EX entries and the reflected control-colour entry can answer false.
using MessageHandler = bool (*)(CCmdTarget& target, MessageArgs& args);

struct MessageMapEntry {
  UINT message;  // window message; WM_COMMAND / WM_NOTIFY; WM_REFLECT_BASE + ...
  UINT code;     // notification code for commands and notifications, else 0
  UINT idFirst;  // control or command id range for commands and notifications
  UINT idLast;
  MessageHandler handler;  // null ends the table
};

struct MessageMap {
  const MessageMap* (*base)();  // the base class's table, null at the root
  const MessageMapEntry* entries;
};

// Base of every class that has a message map: windows and the application.
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Routes command nID with notification code nCode (0 for menu items,
  // accelerators and BN_CLICKED) through the message map; TRUE when an entry
  // took it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, MessageArgs& args);

  // Finds the first entry for (message, code, id), searching this class's
  // table in the order written and then each base class's table, and calls
  // it. FALSE when no entry matches or the entry declined the message.
  BOOL DispatchToMessageMap(UINT message, UINT code, UINT id, MessageArgs& args);
  // The entry DispatchToMessageMap would call, or null.
  const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;

 protected:
  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;
};
