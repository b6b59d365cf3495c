// Whole-text comparison with golden files under tests/golden/.
//
// A golden file holds the exact expected output (blanks and line ends
// included), written from the documented formats and reviewed line by line;
// it is never regenerated from the program. On a mismatch the test names
// the first differing line, and the actual text is written next to the
// build (golden-actual/<name>.txt) for a side-by-side look.
#pragma once

#include <string>

namespace testsupport {

// The contents of tests/golden/<name>.txt ("" and a test failure if missing).
std::string readGolden(const std::string& name);

// Expects `actual` to equal the golden file `name` exactly.
void expectGolden(const std::string& actual, const std::string& name);

}  // namespace testsupport
