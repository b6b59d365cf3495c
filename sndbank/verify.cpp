// Verification of a written library image.
#include "sndbank/verify.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "common/byte_view.h"
#include "common/image_header.h"
#include "sndbank/library.h"

namespace sndbank {

namespace {

// The sink of the checks, counting the errors it is given.
struct Checks {
  orva::Sink& out;
  int errors = 0;
  orva::Sink& error() {
    ++errors;
    return out;
  }
};

// Reads up to `count` bytes at `offset` into `into`, which is first filled
// with 0xFF so that bytes the file does not have read as "nothing here".
void readAt(std::FILE* file, long long offset, std::uint8_t* into, std::size_t count) {
  std::memset(into, 0xFF, count);
  if (offset < 0 || std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return;
  if (std::fread(into, 1, count, file) < count) std::clearerr(file);
}

void checkImageHeader(const LibraryHeaderFields& f, unsigned itype, long long length, unsigned imageType,
                      Checks& checks) {
  orva::Sink& out = checks.out;
  if (f.iszFits(length)) {
    out.printf("  Verify Pass: ffs_imageHeader.isz (Size of Speech Library File) =0x%X\n",
               static_cast<unsigned>(length));
  } else {
    // Printed as the 32-bit value it is in the image's own arithmetic.
    checks.error().printf("  VERIFY ERROR: ffs_imageHeader.isz expected=0x%x, actual=0x%X\n",
               static_cast<unsigned>(length - static_cast<long long>(orva::kHeaderSize)), f.isz);
  }
  if (itype == imageType) {
    out.printf("  Verify Pass: ffs_imageHeader.itype=0x%x\n", itype);
  } else {
    checks.error().printf("  VERIFY ERROR: ffs_imageHeader.itype expected=0x%x, actual=0x%X\n", imageType,
               itype);
  }
}

void checkLibraryHeader(const LibraryHeaderFields& f, long long length, Checks& checks) {
  orva::Sink& out = checks.out;
  if (f.oBasSound()) {
    out.printf("  Verify Pass: sl_header.si_oBas (Offset to Basic Word Index) =0x%x\n", 0x200u);
  } else {
    checks.error().printf("  VERIFY ERROR: sl_header.si_oBas expected=0x%x, actual=0x%X\n",
               kIndexOffsetUnits, f.oBas);
  }
  if (!f.nBasSound()) {
    checks.error().printf("  VERIFY ERROR: sl_header.si_nBas expected=0x%x max, actual=0x%X\n",
               static_cast<unsigned>(kMaxWords), f.nBas);
  } else {
    out.printf("  Verify Pass: sl_header.si_nBas (Number of Basic Index Entries) =%d (0x%x, max "
               "was MAX_WORDCODE_INDEX)\n",
               f.nBas, f.nBas);
  }
  const unsigned expectedSBas = static_cast<unsigned>(indexAreaUnits(f.nBas));
  if (f.sBasSound()) {
    out.printf("  Verify Pass: sl_header.si_sBas (Number of Entries * 4 Rounded up to 256 "
               "Boundary) =0x%x\n",
               f.sBas * 256);
  } else {
    checks.error().printf("  VERIFY ERROR: sl_header.si_sBas expected=0x%x, actual=0x%X\n", expectedSBas,
               f.sBas);
  }
  if (f.lBasFits(length)) {
    out.printf("  Verify Pass: sl_header.si_lBas (First Free Address in Speech File) =0x%x\n",
               f.lBas);
  } else {
    checks.error().printf("  VERIFY ERROR: sl_header.si_lBas expected=0x%x, actual=0x%X\n",
               static_cast<unsigned>(length), f.lBas);
  }
}

}  // namespace

bool verifyLibrary(const VerifyInput& in, orva::Sink& out) {
  Checks checks{out};
  out.put("Starting Verify...\n");
  std::FILE* file = std::fopen(in.path, "rb");
  if (file == nullptr) {
    out.printf("Error: During verifyFile, test file %s cannot be opened, %s\n", in.path,
               std::strerror(errno));
    return false;
  }
  // Unbuffered: each stop address is a 3-byte read, not a 4 KB refill.
  std::setvbuf(file, nullptr, _IONBF, 0);
  long long length = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
  if (length < 0) length = 0;

  orva::HeaderBytes header;
  LibHeaderBytes libHeader;
  readAt(file, 0, header.data(), header.size());
  readAt(file, static_cast<long long>(orva::kHeaderSize), libHeader.data(), libHeader.size());
  const LibraryHeaderFields f =
      LibraryHeaderFields::read(header, orva::ByteView(libHeader.data(), libHeader.size()));
  checkImageHeader(f, orva::headerType(header), length, in.imageType, checks);
  checkLibraryHeader(f, length, checks);
  if (in.debug) {
    out.printf("In verifyFile, read sl_index at 0x%X, sBasicIndex=0x%X\n", f.oBas * 256,
               f.sBas * 256);
  }

  // The values read from the file are used from here on, but never beyond
  // the 8192-entry index buffer and sample-count table.
  IndexBuffer index;
  std::size_t indexBytes = static_cast<std::size_t>(f.sBas) * 256;
  if (indexBytes > index.size()) indexBytes = index.size();
  index.fill(0xFF);
  readAt(file, static_cast<long long>(f.oBas) * 256, index.data(), indexBytes);
  const unsigned entries = f.nBas < static_cast<unsigned>(kMaxWords) ? f.nBas : kMaxWords;

  int found = 0;
  for (unsigned w = 0; w < entries; ++w) {
    const orva::ByteView entry(&index[w * kIndexEntrySize], kIndexEntrySize);
    if (entry.u8(0) == 0xFF) continue;
    const unsigned start = entry.u24(0);
    std::uint8_t stopBytes[3];
    // A start address past the end of the file reads as 0xFFFFFF: a mismatch.
    readAt(file, start, stopBytes, sizeof stopBytes);
    const unsigned stop = orva::ByteView(stopBytes, sizeof stopBytes).u24(0);
    const std::int32_t samples = in.counts[w];
    const long long expected = static_cast<long long>(samples) + start + 2;
    if (static_cast<long long>(stop) != expected) {
      checks.error().printf("VERIFY ERROR: oStopAddress mismatch for wordCode=%04u, expected=0x%llx, "
                 "actual=0x%X\n",
                 w, static_cast<unsigned long long>(expected), stop);
    }
    if (in.debug) {
      out.printf("In verifyFile, wordCode=%04u, oStart=0x%X, oStop=0x%X, cSamples=%d (0x%X)\n", w,
                 start, stop, samples, static_cast<unsigned>(samples));
    }
    ++found;
  }
  if (in.debug) out.printf("In verifyFile, found %d entries pointing to samples.\n", found);
  if (found == in.wordCount) {
    out.printf("  Verify Pass: Found %d entries pointing to samples.\n", found);
  } else {
    checks.error().printf("  VERIFY ERROR: Found %d entries pointing to samples, expected %d.\n", found,
               in.wordCount);
  }
  std::fclose(file);
  out.put("  Verify Complete.\n");
  return checks.errors == 0;
}

}  // namespace sndbank
