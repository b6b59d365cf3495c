#include "golden_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace testsupport {

std::string readGolden(const std::string& name) {
  const std::string path = std::string(ORVA_SOURCE_DIR) + "/tests/golden/" + name + ".txt";
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ADD_FAILURE() << "missing golden file " << path;
    return {};
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void expectGolden(const std::string& actual, const std::string& name) {
  const std::string expected = readGolden(name);
  if (actual == expected) return;
  // The first line that differs, and the actual text beside the build.
  std::istringstream a(actual), e(expected);
  std::string actualLine, expectedLine;
  int line = 0;
  do {
    ++line;
    std::getline(a, actualLine);
    std::getline(e, expectedLine);
  } while (actualLine == expectedLine && (a || e));
  const std::filesystem::path dump = std::filesystem::path("golden-actual") / (name + ".txt");
  std::filesystem::create_directories(dump.parent_path());
  std::ofstream(dump, std::ios::binary) << actual;
  ADD_FAILURE() << "output differs from golden " << name << " at line " << line << "\n  expected: \"" << expectedLine
                << "\"\n  actual:   \"" << actualLine << "\"\n  (actual text written to "
                << std::filesystem::absolute(dump).string() << ")";
}

}  // namespace testsupport
