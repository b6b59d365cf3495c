// Command line of sndbank: the option argument, the mode chosen by the
// number of positional arguments, and the build settings every pass reads.
#pragma once

#include <optional>

#include "common/sink.h"

namespace sndbank {

// What the run does: build a library, or look inside one.
enum class Task { kBuild, kList, kExtractRaw, kExtractWav };

struct BuildSettings {
  Task task = Task::kBuild;
  bool verbose = false;
  bool debug = false;
  const char* imageFile = nullptr;      // the library image to list or extract
  const char* wordDirectory = nullptr;  // where extracted words go
  unsigned imageType = 0;  // 2 speech library, 3 custom audio; doubles as the mode
  // Views of the command line (or of the fixed defaults): nothing is copied,
  // so no value is cut to a capacity.
  const char* toolName = "";
  const char* imageName = "";
  const char* imageVersion = "";
  const char* dateText = "";
  const char* definitionFile = nullptr;
  const char* libraryFile = "";
  const char* incFile = nullptr;
  const char* tabFile = nullptr;
  const char* constantsFile = nullptr;
  const char* audioDirectory = nullptr;
  char dateBuffer[40] = {};  // the build time in custom-audio mode

  bool speechLibrary() const { return imageType == 2; }
};

// Prints the banner and notice, parses the command line into `settings`, and
// returns the exit status when the run ends here (help, unknown option,
// wrong argument count, a text too long for its header field).
std::optional<int> parseCommandLine(int argc, char** argv, BuildSettings& settings,
                                    orva::Sink& out);

}  // namespace sndbank
