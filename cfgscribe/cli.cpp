#include "cfgscribe/cli.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "cfgscribe/configuration_file.h"
#include "cfgscribe/differences.h"
#include "cfgscribe/json_export.h"
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
  out.put("       --json <config file name> = Write the whole file as one JSON document\n");
  out.put("       --diff <old file> <new file> = Generate a script that takes a controller\n");
  out.put("                                      configured as the old file to the new one\n");
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

int statusFor(unsigned problems) { return problems > 0 ? orva::kExitDamaged : orva::kExitSuccess; }

// --json FILE: the whole file as one JSON document, with no banner, so that
// the output is the document alone; damage goes into its "problems".
int runJson(int argc, const char* const* argv, orva::Sink& out) {
  if (argc != 3) {
    printBanner(out, false);
    printUsage(out);
    return orva::kExitFailure;
  }
  static ConfigurationFile file;
  std::string problems;
  unsigned headerProblems = 0;
  {
    orva::Sink notes(problems);
    if (!file.load(argv[2], "", out, notes)) return orva::kExitFailure;
    DamageLog log(notes, false);
    file.checkHeader(false, "", log, notes);
    headerProblems = log.problems();
  }
  return statusFor(writeJson(out, argv[2], file.header(), file.image(), problems, headerProblems));
}

// --diff OLD NEW: the script that takes a controller from OLD to NEW.
int runDiff(int argc, const char* const* argv, orva::Sink& out, std::string_view generatedAt) {
  if (argc != 4) {
    printBanner(out, false);
    printUsage(out);
    return orva::kExitFailure;
  }
  printBanner(out, true);
  static ConfigurationFile files[2];
  DiffInput inputs[2];
  std::string headerLines[2];
  for (int i = 0; i < 2; ++i) {
    if (!files[i].load(argv[2 + i], ";", out, out)) return orva::kExitFailure;
    {
      orva::Sink notes(headerLines[i]);
      DamageLog log(notes, true);
      files[i].checkHeader(false, ";", log, notes);
      inputs[i] = DiffInput{&files[i], argv[2 + i], log.problems(), {}};
    }
    inputs[i].headerLines = headerLines[i];
    out.put(headerLines[i]);
  }
  const std::string now = generatedAt.empty() ? localTimeNow() : std::string(generatedAt);
  return writeDifferences(out, inputs[0], inputs[1], now);
}

}  // namespace

int runCfgscribe(int argc, const char* const* argv, orva::Sink& out, std::string_view generatedAt) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--version") {
    out.printf("cfgscribe %s\n", kVersion);
    return orva::kExitSuccess;
  }
  if (first == "--json") return runJson(argc, argv, out);
  if (first == "--diff") return runDiff(argc, argv, out, generatedAt);
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
  static ConfigurationFile file;
  if (!file.load(argv[argc - 1], lead, out, out)) return orva::kExitFailure;
  DamageLog log(out, script);
  file.checkHeader(opt.debug, lead, log, out);

  const std::string now = generatedAt.empty() ? localTimeNow() : std::string(generatedAt);
  const RunSettings settings{opt.mode, opt.debug, opt.allValues, now};
  printModeHeading(opt, out);
  const unsigned problems = runMode(out, settings, file.header(), file.image(), log);
  return statusFor(problems);
}

}  // namespace cfgscribe
