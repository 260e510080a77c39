#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// Growable array of plain values (pointers, integers), the storage behind
// CPtrArray and CDWordArray.
//
// The default constructor is constexpr, so that arrays with static storage
// are ready before any constructor runs: code that runs during static
// initialisation (in any order) may already use them. Growing never throws:
// when memory runs out the operation reports failure and the array is left as
// it was.
template <class T>
class PodArray {
  static_assert(std::is_trivially_copyable<T>::value, "plain values only");

 public:
  constexpr PodArray() noexcept = default;
  PodArray(const PodArray&) = delete;
  PodArray& operator=(const PodArray&) = delete;
  ~PodArray() { std::free(m_data); }

  std::ptrdiff_t GetSize() const { return m_size; }
  std::ptrdiff_t GetCount() const { return m_size; }
  std::ptrdiff_t GetUpperBound() const { return m_size - 1; }
  bool IsEmpty() const { return m_size == 0; }

  // Index must be valid (0 <= index < GetSize()).
  T GetAt(std::ptrdiff_t index) const { return m_data[index]; }
  void SetAt(std::ptrdiff_t index, T value) { m_data[index] = value; }
  T& ElementAt(std::ptrdiff_t index) { return m_data[index]; }
  T operator[](std::ptrdiff_t index) const { return m_data[index]; }
  T& operator[](std::ptrdiff_t index) { return m_data[index]; }
  const T* GetData() const { return m_data; }
  T* GetData() { return m_data; }

  // The index of the new element, or -1 when memory ran out.
  std::ptrdiff_t Add(T value) {
    if (!Reserve(m_size + 1)) {
      return -1;
    }
    m_data[m_size] = value;
    return m_size++;
  }

  // Inserts count copies of value before index (index may be GetSize()).
  bool InsertAt(std::ptrdiff_t index, T value, std::ptrdiff_t count = 1) {
    if (index < 0 || index > m_size || count < 0 || !Reserve(m_size + count)) {
      return false;
    }
    std::memmove(m_data + index + count, m_data + index,
                 static_cast<std::size_t>(m_size - index) * sizeof(T));
    for (std::ptrdiff_t i = 0; i < count; ++i) {
      m_data[index + i] = value;
    }
    m_size += count;
    return true;
  }

  // Removes count elements from index on (clamped to the array).
  void RemoveAt(std::ptrdiff_t index, std::ptrdiff_t count = 1) {
    if (index < 0 || index >= m_size || count <= 0) {
      return;
    }
    if (count > m_size - index) {
      count = m_size - index;
    }
    std::memmove(m_data + index, m_data + index + count,
                 static_cast<std::size_t>(m_size - index - count) * sizeof(T));
    m_size -= count;
  }

  // Empties the array and frees its memory.
  void RemoveAll() {
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
    m_capacity = 0;
  }

  // Appends every element of other; the index of the first one appended, or
  // -1 when memory ran out (nothing appended then).
  std::ptrdiff_t Append(const PodArray& other) {
    const std::ptrdiff_t first = m_size;
    if (other.m_size == 0) {
      return first;
    }
    if (!Reserve(m_size + other.m_size)) {
      return -1;
    }
    std::memmove(m_data + m_size, other.m_data, static_cast<std::size_t>(other.m_size) * sizeof(T));
    m_size += other.m_size;
    return first;
  }

  // Grows with zero values or shrinks to size elements.
  bool SetSize(std::ptrdiff_t size) {
    if (size < 0 || !Reserve(size)) {
      return false;
    }
    for (std::ptrdiff_t i = m_size; i < size; ++i) {
      m_data[i] = T();
    }
    m_size = size;
    return true;
  }

 private:
  bool Reserve(std::ptrdiff_t needed) {
    if (needed <= m_capacity) {
      return true;
    }
    std::ptrdiff_t capacity = m_capacity < 8 ? 8 : m_capacity * 2;
    if (capacity < needed) {
      capacity = needed;
    }
    void* grown = std::realloc(m_data, static_cast<std::size_t>(capacity) * sizeof(T));
    if (grown == nullptr) {
      return false;
    }
    m_data = static_cast<T*>(grown);
    m_capacity = capacity;
    return true;
  }

  T* m_data = nullptr;
  std::ptrdiff_t m_size = 0;
  std::ptrdiff_t m_capacity = 0;
};
