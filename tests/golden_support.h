// Whole-text comparison with golden files under tests/golden/: reviewed
// expected outputs, never regenerated from the program. A mismatch names the
// first differing line and leaves the actual text in golden-actual/.
#pragma once

#include <string>

namespace testsupport {

// The contents of tests/golden/<name>.txt ("" and a test failure if missing).
std::string readGolden(const std::string& name);

void expectGolden(const std::string& actual, const std::string& name);

}  // namespace testsupport
