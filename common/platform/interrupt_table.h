// The fixed table of temporary files an interruption removes, shared by the
// POSIX and Windows handlers. Entries are written whole before they are
// marked in use and unmarked before they are reused, so a handler that
// runs at any moment sees only complete names; it reads nothing else.
#pragma once

#include <csignal>
#include <cstddef>
#include <cstring>

namespace orva::platform::interrupt {

constexpr std::size_t kEntries = 8;  // a library, three side files, a word
constexpr std::size_t kNameSize = 4096;

template <typename Char>
struct Entry {
  volatile std::sig_atomic_t inUse = 0;
  Char name[kNameSize] = {};
};

template <typename Char>
bool add(Entry<Char> (&table)[kEntries], const Char* name, std::size_t length) {
  if (length >= kNameSize) return false;
  for (Entry<Char>& e : table) {
    if (e.inUse != 0) continue;
    std::memcpy(e.name, name, length * sizeof(Char));
    e.name[length] = Char{};
    e.inUse = 1;
    return true;
  }
  return false;
}

template <typename Char>
void remove(Entry<Char> (&table)[kEntries], const Char* name, std::size_t length) {
  for (Entry<Char>& e : table) {
    if (e.inUse != 0 && length < kNameSize &&
        std::memcmp(e.name, name, (length + 1) * sizeof(Char)) == 0) {
      e.inUse = 0;
    }
  }
}

}  // namespace orva::platform::interrupt
