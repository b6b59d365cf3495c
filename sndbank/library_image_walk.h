// The index walk of a loaded library image (a template: the visitor is
// inlined into the listing and the extraction).
#pragma once

#include "sndbank/library.h"

namespace sndbank {

namespace detail {
IndexedWord readWord(const LibraryImage& image, unsigned entry);
unsigned nextUsedEntry(const LibraryImage& image, unsigned after);
void judgeWord(const LibraryImage& image, IndexedWord& w, bool hasNext);
}  // namespace detail

template <typename Visit>
void forEachWord(const LibraryImage& image, Visit&& visit) {
  const unsigned entries = image.readableEntries();
  unsigned entry = detail::nextUsedEntry(image, 0);
  while (entry < entries) {
    IndexedWord w = detail::readWord(image, entry);
    const unsigned next = detail::nextUsedEntry(image, entry + 1);
    if (next < entries) {
      w.nextCode = next;
      w.nextStart = detail::readWord(image, next).start;
    }
    detail::judgeWord(image, w, next < entries);
    visit(static_cast<const IndexedWord&>(w));
    entry = next;
  }
}

}  // namespace sndbank
