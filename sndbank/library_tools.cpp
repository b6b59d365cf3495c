#include "sndbank/library_tools.h"

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "common/exit_status.h"
#include "sndbank/library.h"
#include "sndbank/library_image.h"
#include "sndbank/staged_file.h"
#include "sndbank/wav_file.h"

namespace sndbank {

namespace {

constexpr double kSamplesPerSecond = 8000.0;

// Counts the problems a listing names.
struct Findings {
  int count = 0;
  void error(orva::Sink& out, const char* text) {
    ++count;
    out.printf("    ERROR: %s\n", text);
  }
};

// The header fields, each followed by what is wrong with it; with
// `showFields` false only the problems are printed.
void checkHeaders(const LibraryImage& image, bool showFields, Findings& f, orva::Sink& out) {
  const std::size_t length = image.bytes.size();
  const orva::HeaderBytes& h = image.header;
  std::string discard;
  orva::Sink quiet(discard);
  orva::Sink& fields = showFields ? out : quiet;
  fields.printf("  Name          = %s\n", orva::headerText(h, orva::hdr::kName, orva::hdr::kNameWidth).c_str());
  fields.printf("  Version       = %s\n",
                orva::headerText(h, orva::hdr::kVersion, orva::hdr::kVersionWidth).c_str());
  fields.printf("  DateTime      = %s\n",
                orva::headerText(h, orva::hdr::kDateText, orva::hdr::kDateTextWidth).c_str());
  fields.printf("  Type          = %u (%s)\n", image.type, orva::imageTypeName(image.type));
  if (!image.isLibrary()) {
    f.error(out, length < orva::kHeaderSize + kLibHeaderSize
                     ? "the file is too short for the image and library headers"
                     : "the file is no library image (type 2 or 3)");
  }
  fields.printf("  isz           = 0x%06X\n", image.isz);
  if (!image.iszFits(static_cast<std::int64_t>(length))) f.error(out, "isz does not match the file length");
  if (image.cut) f.error(out, "the file is longer than 24-bit addresses reach; the rest is not read");
  fields.printf("  si_oBas       = 0x%04X (index at 0x%06X)\n", image.oBas, image.oBas * 256);
  if (!image.oBasSound()) f.error(out, "si_oBas is not 0x0002");
  fields.printf("  si_sBas       = 0x%04X (0x%06X bytes of index)\n", image.sBas, image.sBas * 256);
  if (!image.sBasSound()) f.error(out, "si_sBas does not match si_nBas");
  fields.printf("  si_nBas       = %u (index entries)\n", image.nBas);
  if (!image.nBasSound()) f.error(out, "si_nBas is above the 8192 the index holds");
  if (image.readableEntries() < std::min(image.nBas, static_cast<unsigned>(kMaxWords))) {
    f.error(out, "the index entries do not fit the file");
  }
  fields.printf("  si_lBas       = 0x%06X (first free address)\n", image.lBas);
  if (!image.lBasFits(static_cast<std::int64_t>(length))) f.error(out, "si_lBas does not match the file length");
}

}  // namespace

int listLibrary(const char* path, orva::Sink& out) {
  const auto image = std::make_unique<LibraryImage>();
  if (!loadLibraryImage(path, *image, out)) return orva::kExitFailure;
  out.printf("Library image %s, %zu bytes\n", path, image->bytes.size());
  Findings findings;
  checkHeaders(*image, true, findings, out);
  out.put("\n  Code  Start     Stop       Samples  Seconds\n");
  int words = 0;
  std::int64_t samples = 0;
  forEachWord(*image, [&](const IndexedWord& w) {
    // Samples that cannot be located in the file are not counted.
    const std::int64_t count = w.extractable() ? w.samples : 0;
    out.printf("  %04u  0x%06X  0x%06X  %8lld  %7.3f\n", w.code, w.start, w.stop,
               static_cast<long long>(count), static_cast<double>(count) / kSamplesPerSecond);
    if (w.problem != WordProblem::kNone) {
      ++findings.count;
      printWordProblem(w, "    ", out);
    }
    ++words;
    samples += count;
  });
  const std::int64_t sectors =
      flashSectors(static_cast<std::int64_t>(image->bytes.size()));
  out.printf("\n  Words: %d, samples: %lld (%.2f minutes), flash sectors: %lld\n", words,
             static_cast<long long>(samples), static_cast<double>(samples) / kSamplesPerSecond / 60.0,
             static_cast<long long>(sectors));
  if (findings.count == 0) {
    out.put("  The image is sound.\n");
    return orva::kExitSuccess;
  }
  out.printf("  %d problem%s found.\n", findings.count, findings.count == 1 ? "" : "s");
  return orva::kExitFailure;
}

namespace {

// Writes one word's samples, unfolded, through the one copy buffer.
bool writeWord(const LibraryImage& image, const IndexedWord& w, WordFormat format,
               std::FILE* file, CopyBuffer& buffer) {
  if (format == WordFormat::kWav) {
    std::uint8_t header[kWavHeaderSize];
    wavHeader(header, static_cast<std::uint32_t>(w.samples));
    if (std::fwrite(header, 1, sizeof header, file) != sizeof header) return false;
  }
  const std::uint8_t* samples = image.bytes.data() + w.start + 3;
  for (std::int64_t done = 0; done < w.samples;) {
    const std::size_t n = static_cast<std::size_t>(
        std::min<std::int64_t>(w.samples - done, static_cast<std::int64_t>(buffer.size())));
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t raw = foldSample(samples[done + static_cast<std::int64_t>(i)]);
      buffer[i] = format == WordFormat::kWav ? rawToWav(raw) : raw;
    }
    if (std::fwrite(buffer.data(), 1, n, file) != n) return false;
    done += static_cast<std::int64_t>(n);
  }
  // A RIFF chunk of odd length carries a pad byte.
  if (format == WordFormat::kWav && (w.samples & 1) != 0) return std::fputc(0, file) != EOF;
  return true;
}

}  // namespace

int extractLibrary(const char* path, const char* directory, WordFormat format, bool debug,
                   orva::Sink& out) {
  const auto image = std::make_unique<LibraryImage>();
  if (!loadLibraryImage(path, *image, out)) return orva::kExitFailure;
  Findings findings;
  checkHeaders(*image, false, findings, out);
  if (!image->isLibrary()) return orva::kExitFailure;
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (!std::filesystem::is_directory(directory, ec)) {
    out.printf("Error: directory %s cannot be created.\n", directory);
    return orva::kExitFailure;
  }
  const auto buffer = std::make_unique<CopyBuffer>();
  const std::string base = std::string(directory) + "/";
  const char* extension = format == WordFormat::kWav ? "wav" : "raw";
  std::string name;
  name.reserve(base.size() + 8);
  int written = 0;
  int failed = findings.count;
  forEachWord(*image, [&](const IndexedWord& w) {
    if (!w.extractable()) {
      ++failed;
      printWordProblem(w, "", out);
      out.printf("  word %04u is skipped\n", w.code);
      return;
    }
    if (w.problem != WordProblem::kNone) {
      ++failed;
      printWordProblem(w, "", out);
    }
    char file[16];
    std::snprintf(file, sizeof file, "%04u.%s", w.code, extension);
    name.assign(base).append(file);
    StagedFile staged;
    if (!staged.open(name.c_str(), "wb") || !writeWord(*image, w, format, staged.file(), *buffer) ||
        !staged.commit()) {
      ++failed;
      out.printf("Error: %s cannot be written; an earlier file of that name is kept.\n", name.c_str());
      return;
    }
    ++written;
    if (debug) out.printf("  %s: %lld samples\n", name.c_str(), static_cast<long long>(w.samples));
  });
  out.printf("Extracted %d word%s from %s into %s\n", written, written == 1 ? "" : "s", path,
             directory);
  return failed == 0 ? orva::kExitSuccess : orva::kExitFailure;
}

}  // namespace sndbank
