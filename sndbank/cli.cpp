// Command-line parsing and mode selection.
#include "sndbank/cli.h"

#include <cstring>
#include <ctime>
#include <string_view>

#include "common/exit_status.h"
#include "common/image_header.h"
#include "common/platform.h"
#include "sndbank/banner.h"

namespace sndbank {

namespace {

constexpr int kSpeechLibraryArguments = 8;

void setCustomAudio(BuildSettings& s, const char* directory) {
  s.imageType = orva::kCustomAudioLibrary;
  s.audioDirectory = directory;
  s.imageName = "ORVA Cust ALib";
  s.imageVersion = "1.0.0";
  s.libraryFile = "CustomAudioLib.bin";
  const std::time_t now = std::time(nullptr);
  const std::tm local = orva::platform::localTime(now);
  if (std::strftime(s.dateBuffer, sizeof s.dateBuffer, "%m/%d/%y %H:%M", &local) == 0) {
    s.dateBuffer[0] = '\0';
  }
  s.dateText = s.dateBuffer;
}

void setSpeechLibrary(BuildSettings& s, char** positional) {
  s.imageType = orva::kSpeechLibrary;
  s.imageName = positional[0];
  s.imageVersion = positional[1];
  s.dateText = positional[2];
  s.definitionFile = positional[3];
  s.libraryFile = positional[4];
  s.incFile = positional[5];
  s.tabFile = positional[6];
  s.constantsFile = positional[7];
}

// The header stores each text without a terminator in a fixed field; a
// longer text is refused rather than cut, so the image says what was asked.
bool fitsHeader(const char* what, const char* text, std::size_t width, orva::Sink& out) {
  if (orva::fitsField(text, width)) return true;
  out.printf("Error: %s '%s' is longer than %zu characters.\n", what, text, width);
  return false;
}

}  // namespace

std::optional<int> parseCommandLine(int argc, char** argv, BuildSettings& s, orva::Sink& out) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--version") {
    out.printf("sndbank %s\n", kVersion);
    return orva::kExitSuccess;
  }
  out.printf("%s", kBanner);
  out.put(kNotice);
  s.toolName = argc > 0 && argv[0] != nullptr ? argv[0] : "";

  int firstPositional = 1;
  if (argc > 1) {
    const char* arg = argv[1];
    if (first == "--help") {
      out.put(kTwoModeHelp);
      out.put(kLibraryToolsHelp);
      return orva::kExitSuccess;
    }
    if (std::strncmp(arg, "-h", 2) == 0) {
      out.put(kCustomAudioHelp);
      return orva::kExitSuccess;
    }
    if (std::strncmp(arg, "-i", 2) == 0) {
      out.put(kTwoModeHelp);
      return orva::kExitSuccess;
    }
    if (arg[0] == '-') {
      for (const char* c = arg + 1; *c != '\0'; ++c) {
        // Of the task letters, the last one given counts.
        if (*c == 'd') {
          s.debug = true;
        } else if (*c == 'v') {
          s.verbose = true;
        } else if (*c == 'l') {
          s.task = Task::kList;
        } else if (*c == 'e') {
          s.task = Task::kExtractRaw;
        } else if (*c == 'w') {
          s.task = Task::kExtractWav;
        } else {
          out.printf("Unknown argument %c in %s%s", *c, arg, orva::platform::kCrLf);
          return orva::platform::kUnknownOptionStatus;
        }
      }
      firstPositional = 2;
    }
  }

  const int positional = argc > firstPositional ? argc - firstPositional : 0;
  if (s.task != Task::kBuild) {
    // -l FILE, -e FILE DIRECTORY, -w FILE DIRECTORY.
    const int wanted = s.task == Task::kList ? 1 : 2;
    if (positional != wanted) {
      out.put(kLibraryToolsHelp);
      return orva::kExitFailure;
    }
    s.imageFile = argv[firstPositional];
    s.wordDirectory = wanted == 2 ? argv[firstPositional + 1] : nullptr;
    return std::nullopt;
  }
  // Too many arguments for a directory, too few for a speech library: the
  // usage is shown, and the run has not done its job.
  if (positional >= 2 && positional < kSpeechLibraryArguments) {
    out.put(kTwoModeHelp);
    return orva::kExitFailure;
  }
  if (positional >= kSpeechLibraryArguments) {
    setSpeechLibrary(s, argv + firstPositional);
  } else {
    setCustomAudio(s, positional == 1 ? argv[firstPositional] : "CustomAudioFiles");
  }

  if (s.verbose) {
    out.printf("Args: %d\n", argc);
    for (int i = 0; i < argc; ++i) out.printf("%d: %s\n", i, argv[i]);
  }

  if (!fitsHeader("image name", s.imageName, orva::hdr::kNameWidth, out) ||
      !fitsHeader("image version", s.imageVersion, orva::hdr::kVersionWidth, out) ||
      !fitsHeader("date/time", s.dateText, orva::hdr::kDateTextWidth, out)) {
    return orva::kExitFailure;
  }
  return std::nullopt;
}

}  // namespace sndbank
