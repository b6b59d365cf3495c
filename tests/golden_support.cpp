#include "golden_support.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef ORVA_SOURCE_DIR
#define ORVA_SOURCE_DIR "."
#endif

namespace testsupport {

namespace {

std::string lineAt(const std::string& text, std::size_t at) {
  const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
  const std::size_t from = start == std::string::npos || at == 0 ? 0 : start + 1;
  const std::size_t end = text.find('\n', from);
  return text.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

}  // namespace

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
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const std::size_t line = static_cast<std::size_t>(std::count(actual.begin(), actual.begin() + static_cast<long>(at), '\n')) + 1;
  const std::filesystem::path dump = std::filesystem::path("golden-actual") / (name + ".txt");
  std::filesystem::create_directories(dump.parent_path());
  std::ofstream(dump, std::ios::binary) << actual;
  ADD_FAILURE() << "output differs from golden " << name << " at line " << line << "\n  expected: \""
                << lineAt(expected, at) << "\"\n  actual:   \"" << lineAt(actual, at) << "\"\n  (actual text written to "
                << std::filesystem::absolute(dump).string() << ")";
}

}  // namespace testsupport
