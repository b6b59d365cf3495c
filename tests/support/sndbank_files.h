// The sndbank tests' shorthands over the generators' scratch files and runs.
#pragma once

#include <string>
#include <vector>

#include "generators/sndbank_files.h"

namespace testsupport {

using namespace generators;

// The speech-library command line for dir: words.def into <stem>.bin,
// .inc, .tab and .txt, named "Lib", version "1.2", dated "12/01/26 10:00".
inline std::vector<std::string> speechArgs(const ScratchDir& dir, const std::string& stem = "lib") {
  return {"sndbank", "Lib", "1.2", "12/01/26 10:00", dir / "words.def", dir / (stem + ".bin"),
          dir / (stem + ".inc"), dir / (stem + ".tab"), dir / (stem + ".txt")};
}

// Writes words.def and runs the speech-library build on it.
inline Run buildSpeechLibrary(const ScratchDir& dir, const std::string& definitions) {
  writeFile(dir / "words.def", definitions);
  return runSndbankInProcess(speechArgs(dir));
}

}  // namespace testsupport
