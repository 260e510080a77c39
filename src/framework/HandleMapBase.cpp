#include "framework/HandleMapBase.h"

HandleMapBase*& HandleMapBase::Head() {
  static HandleMapBase* head = nullptr;
  return head;
}

HandleMapBase::HandleMapBase() : m_next(Head()) { Head() = this; }

HandleMapBase::~HandleMapBase() {
  for (HandleMapBase** link = &Head(); *link != nullptr; link = &(*link)->m_next) {
    if (*link == this) {
      *link = m_next;
      break;
    }
  }
}

void HandleMapBase::DeleteAllTemporaries() {
  for (HandleMapBase* map = Head(); map != nullptr; map = map->m_next) {
    map->DeleteTemp();
  }
}

std::size_t HandleMapBase::AllTemporaryCount() {
  std::size_t n = 0;
  for (HandleMapBase* map = Head(); map != nullptr; map = map->m_next) {
    n += map->TemporaryCount();
  }
  return n;
}
