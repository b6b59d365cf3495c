#include "sndbank/library_image.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sndbank {

bool LibraryImage::isLibrary() const {
  return bytes.size() >= orva::kHeaderSize + kLibHeaderSize &&
         (type == orva::kSpeechLibrary || type == orva::kCustomAudioLibrary);
}

unsigned LibraryImage::readableEntries() const {
  const std::size_t indexStart = static_cast<std::size_t>(oBas) * 256;
  const std::size_t inFile = bytes.size() > indexStart ? (bytes.size() - indexStart) / kIndexEntrySize : 0;
  return static_cast<unsigned>(std::min({static_cast<std::size_t>(nBas), static_cast<std::size_t>(kMaxWords), inFile}));
}

bool loadLibraryImage(const char* path, LibraryImage& image, orva::Sink& out) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    out.printf("Error: library image %s cannot be opened, %s\n", path, std::strerror(errno));
    return false;
  }
  // Sized from the file's length, one byte more to see whether it is longer
  // than an image can be; a length that cannot be told reads the most.
  long length = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
  std::rewind(file);
  if (length < 0 || static_cast<unsigned long>(length) > kMaxLoadedImage) length = kMaxLoadedImage;
  image.bytes.resize(static_cast<std::size_t>(length) + 1);
  const std::size_t n = std::fread(image.bytes.data(), 1, image.bytes.size(), file);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) {
    out.printf("Error: library image %s cannot be read.\n", path);
    return false;
  }
  image.cut = n > kMaxLoadedImage;
  image.bytes.resize(std::min(n, kMaxLoadedImage));
  const orva::ByteView v = image.view();
  for (std::size_t i = 0; i < image.header.size(); ++i) image.header[i] = v.u8(i);
  image.type = orva::headerType(image.header);
  static_cast<LibraryHeaderFields&>(image) =
      LibraryHeaderFields::read(image.header, v.sub(orva::kHeaderSize, kLibHeaderSize));
  return true;
}

namespace detail {

unsigned nextUsedEntry(const LibraryImage& image, unsigned after) {
  const unsigned entries = image.readableEntries();
  const orva::ByteView v = image.view();
  const std::size_t base = static_cast<std::size_t>(image.oBas) * 256;
  unsigned e = after;
  while (e < entries && v.u8(base + e * kIndexEntrySize) == 0xFF) ++e;
  return e;
}

IndexedWord readWord(const LibraryImage& image, unsigned entry) {
  const orva::ByteView v = image.view();
  IndexedWord w;
  w.code = entry;
  w.start = v.u24(static_cast<std::size_t>(image.oBas) * 256 + entry * kIndexEntrySize);
  w.stop = v.u24(w.start);  // 0xFFFFFF when the start is outside the file
  w.samples = static_cast<std::int64_t>(w.stop) - w.start - 2;
  return w;
}

void judgeWord(const LibraryImage& image, IndexedWord& w, bool hasNext) {
  const std::size_t length = image.bytes.size();
  if (static_cast<std::size_t>(w.start) + 3 > length) {
    w.problem = WordProblem::kStartOutside;
  } else if (w.samples <= 0) {
    w.problem = WordProblem::kNoSamples;
  } else if (w.stop >= length) {
    w.problem = WordProblem::kStopOutside;
  } else if (hasNext && w.nextStart > w.start && w.nextStart <= w.stop) {
    w.problem = WordProblem::kOverlapsNext;
  } else if (hasNext && w.nextStart != w.stop + 1) {
    w.problem = WordProblem::kGapBeforeNext;
  } else if (!hasNext && w.stop + 1 != image.lBas) {
    w.problem = WordProblem::kStopNotLBas;
  }
}

}  // namespace detail

void printWordProblem(const IndexedWord& w, const char* lead, orva::Sink& out) {
  switch (w.problem) {
    case WordProblem::kNone: return;
    case WordProblem::kStartOutside:
      out.printf("%sERROR: word %04u starts at 0x%06X, outside the file\n", lead, w.code, w.start);
      return;
    case WordProblem::kStopOutside:
      out.printf("%sERROR: word %04u stops at 0x%06X, outside the file\n", lead, w.code, w.stop);
      return;
    case WordProblem::kNoSamples:
      out.printf("%sERROR: word %04u has stop address 0x%06X, no samples after its start 0x%06X\n",
                 lead, w.code, w.stop, w.start);
      return;
    case WordProblem::kOverlapsNext:
      out.printf("%sERROR: word %04u overlaps word %04u, which starts at 0x%06X\n", lead, w.code,
                 w.nextCode, w.nextStart);
      return;
    case WordProblem::kGapBeforeNext:
      out.printf("%sERROR: word %04u stop address 0x%06X does not meet word %04u at 0x%06X\n",
                 lead, w.code, w.stop, w.nextCode, w.nextStart);
      return;
    case WordProblem::kStopNotLBas:
      out.printf("%sERROR: last word %04u stop address 0x%06X does not match si_lBas\n", lead,
                 w.code, w.stop);
      return;
  }
}

}  // namespace sndbank
