#include "cfgscribe/cli.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "cfgscribe/modes.h"
#include "common/exit_status.h"
#include "common/image_header.h"
#include "common/platform.h"
#include "common/version.h"

namespace cfgscribe {

namespace {

constexpr const char* kNotice = "Free software for repeater owners; it comes with no warranty of any kind.";
constexpr const char* kVersion = ORVA_VERSION;  // the banner's and --version's

struct Options {
  Mode mode = Mode::kReport;
  bool scriptPrefix = false;
  bool allValues = false;
  bool debug = false;
};

void printBanner(orva::Sink& out, bool prefix) {
  const char* lead = prefix ? "; " : "";
  out.printf("%sORVA Configuration Utility, V%s\n", lead, kVersion);
  out.printf("%s%s\n\n", lead, kNotice);
}

void printUsage(orva::Sink& out) {
  out.put("This utility processes configuration files for ORVA repeater controllers.\n\n");
  out.put("Usage: [-{r|s|a}] <config file name>\n");
  out.put("       r = Generate a full report (default)\n");
  out.put("       s = Generate a script that sets all non-default values\n");
  out.put("       a = Generate a script with commented commands for setting all values\n");
  out.put("\nExit status: 0 output written from a sound file; 2 output written, but the\n");
  out.put("file is damaged (named in the output); 1 the file cannot be opened; 255 an\n");
  out.put("unknown option letter.\n");
}

// Applies the option letters left to right; returns the first unknown
// letter, or 0.
char applyOptions(const char* arg, Options& opt) {
  for (const char* p = arg + 1; *p != '\0'; ++p) {
    switch (*p) {
      case 'r': opt.mode = Mode::kReport; opt.scriptPrefix = false; opt.allValues = false; break;
      case 's': opt.mode = Mode::kScript; opt.scriptPrefix = true; opt.allValues = false; break;
      case 'a': opt.mode = Mode::kScript; opt.scriptPrefix = true; opt.allValues = true; break;
      case 'C': opt.mode = Mode::kRaw; opt.scriptPrefix = true; opt.allValues = true; break;
      case 'd': opt.debug = true; break;
      default: return *p;
    }
  }
  return 0;
}

std::string localTimeNow() {
  const std::tm tm = orva::platform::localTime(std::time(nullptr));
  char text[32];
  std::size_t n = std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", &tm);
  return std::string(text, n);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads at most the load buffer's size; tells whether the file held more.
struct Loaded {
  std::size_t length = 0;
  bool truncated = false;
};

Loaded loadFile(std::FILE* f, std::array<std::uint8_t, kLoadBufferSize>& buffer) {
  Loaded l;
  l.length = std::fread(buffer.data(), 1, buffer.size(), f);
  if (l.length == buffer.size()) {
    std::uint8_t extra;
    l.truncated = std::fread(&extra, 1, 1, f) == 1;
  }
  return l;
}

// Loads the configuration file into the run's one buffer; false (with the
// message) when it cannot be opened. A directory is not opened at all.
bool loadConfiguration(const char* path, std::array<std::uint8_t, kLoadBufferSize>& buffer,
                       Loaded& loaded, const char* lead, orva::Sink& out) {
  std::unique_ptr<std::FILE, FileCloser> file;
  if (orva::platform::fileType(path) != orva::platform::FileType::kDirectory) file.reset(std::fopen(path, "rb"));
  if (!file) {
    out.printf("%sCannot open input file %s\n", lead, path);
    return false;
  }
  buffer.fill(0);
  loaded = loadFile(file.get(), buffer);
  if (loaded.truncated) {
    out.printf("%s  WARNING: %s is longer than %zu bytes; only the first %zu bytes are read\n", lead, path,
               kLoadBufferSize, kLoadBufferSize);
  }
  return true;
}

// The header's size and type checks: each mismatch is named and counted,
// and the output goes on. `lead` is ";" in a script, so every line stays a
// comment. Returns how many bytes after the header the record walk may read.
std::size_t checkHeader(const orva::HeaderBytes& header, std::size_t loadedLength, bool debug,
                        const char* lead, DamageLog& log, orva::Sink& out) {
  if (loadedLength < orva::kHeaderSize) {
    out.printf("%s  VERIFY ERROR: the file holds %zu bytes, less than the %zu-byte image header\n", lead,
               loadedLength, orva::kHeaderSize);
    log.count();
  }
  const std::size_t body = loadedLength > orva::kHeaderSize ? loadedLength - orva::kHeaderSize : 0;
  const unsigned isz = orva::headerSize(header);
  std::size_t walkLength = isz;
  if (body < isz) {
    if (loadedLength >= orva::kHeaderSize) {
      out.printf("%s  VERIFY ERROR: ffs_imageHeader->isz expected=0x%x, actual=0x%X\n", lead,
                 static_cast<unsigned>(body), isz);
      log.count();
    }
    walkLength = body;
  } else if (debug) {
    out.printf("%s  Verify Pass: ffs_imageHeader->isz (Size of Config File) =0x%X\n", lead, isz);
  }
  const unsigned itype = orva::headerType(header);
  if (itype != orva::kConfigurationFile) {
    out.printf("%s  VERIFY ERROR: ffs_imageHeader->itype expected=0x%x, actual=0x%X\n", lead, 1u, itype);
    log.count();
  } else if (debug) {
    out.printf("%s  Verify Pass: ffs_imageHeader->itype=0x%x\n", lead, 1u);
  }
  return walkLength;
}

void printModeHeading(const Options& opt, orva::Sink& out) {
  switch (opt.mode) {
    case Mode::kReport: out.put("Option Selected: Generate a full report\n\n"); break;
    case Mode::kScript:
      out.put(opt.allValues
                  ? "; Option Selected: Generate a script with commented commands for setting all values\n\n"
                  : "; Option Selected: Generate a script that sets all non-default values\n\n");
      break;
    case Mode::kRaw: out.put("\nFFS File Header:\n"); break;
  }
}

}  // namespace

int runCfgscribe(int argc, const char* const* argv, orva::Sink& out, std::string_view generatedAt) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--version") {
    out.printf("cfgscribe %s\n", kVersion);
    return orva::kExitSuccess;
  }
  if (argc < 2 || first.substr(0, 2) == "-h" || first == "--help") {
    printBanner(out, false);
    printUsage(out);
    return orva::kExitSuccess;
  }
  Options opt;
  if (first.size() > 1 && first[0] == '-') {
    if (char bad = applyOptions(argv[1], opt)) {
      out.printf("Unknown argument %c in %s%s", bad, argv[1], orva::platform::kCrLf);
      return orva::platform::kUnknownOptionStatus;
    }
  }
  // Every line of a script is a comment or a command.
  const bool script = opt.mode == Mode::kScript;
  const char* lead = script ? ";" : "";
  if (opt.debug) {
    out.printf("%sArgs: %d\n", lead, argc);
    for (int i = 0; i < argc; ++i) out.printf("%s%d: %s\n", lead, i, argv[i]);
  }
  printBanner(out, opt.scriptPrefix);

  // Static: one load buffer for the run, kept off the stack.
  static std::array<std::uint8_t, kLoadBufferSize> buffer;
  Loaded loaded;
  if (!loadConfiguration(argv[argc - 1], buffer, loaded, lead, out)) return orva::kExitFailure;
  DamageLog log(out, script);
  if (loaded.truncated) log.count();
  orva::HeaderBytes header;
  std::copy_n(buffer.begin(), orva::kHeaderSize, header.begin());
  const std::size_t walkLength = checkHeader(header, loaded.length, opt.debug, lead, log, out);

  const std::string now = generatedAt.empty() ? localTimeNow() : std::string(generatedAt);
  const RunSettings settings{opt.mode, opt.debug, opt.allValues, now};
  printModeHeading(opt, out);
  const ByteView image(buffer.data() + orva::kHeaderSize, walkLength);
  const unsigned problems = runMode(out, settings, header, image, log);
  return problems > 0 ? orva::kExitDamaged : orva::kExitSuccess;
}

}  // namespace cfgscribe
