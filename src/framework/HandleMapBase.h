#pragma once

#include <cstddef>

// Common base of every handle map, so that the message loop can free the
// temporary wrappers of all of them when it goes idle.
class HandleMapBase {
 public:
  HandleMapBase();
  HandleMapBase(const HandleMapBase&) = delete;
  HandleMapBase& operator=(const HandleMapBase&) = delete;
  virtual ~HandleMapBase();

  // Frees the temporary wrappers of this map.
  virtual void DeleteTemp() = 0;
  virtual std::size_t TemporaryCount() const = 0;

  // Frees the temporary wrappers of every map (the message loop's idle step).
  static void DeleteAllTemporaries();
  // Number of temporary wrappers alive in all maps together.
  static std::size_t AllTemporaryCount();

 private:
  HandleMapBase* m_next = nullptr;
  static HandleMapBase*& Head();
};
