// The one way the tests run cfgscribe's code: a record through its mode's
// handler, a walk over records, or a whole file; and the capture of what a
// printer writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "cfgscribe/image.h"
#include "cfgscribe/modes.h"
#include "common/sink.h"
#include "generators/image_builder.h"
#include "generators/sndbank_files.h"
#include "golden_support.h"

namespace testsupport {

using namespace generators;
using cfgscribe::Mode;
using cfgscribe::WalkContext;

// What a printer writes into a sink, as text.
template <typename Print>
std::string capture(Print&& print) {
  std::string text;
  {
    orva::Sink sink(text);
    print(sink);
  }
  return text;
}

// The date-time that rendered outputs show as "generated".
constexpr std::string_view kGeneratedAt = "12/06/26 12:00:00";

// Report, script (-s) and script with every value (-a).
enum class Flavour { kReport, kScriptS, kScriptA };
constexpr Flavour R = Flavour::kReport, S = Flavour::kScriptS, A = Flavour::kScriptA;

// A walk context as a controller definition with these counts (and one
// macro attribute byte) leaves it.
WalkContext context(unsigned receivers, unsigned transmitters = 0, unsigned nameDigits = 4);
// A record view of built bytes.
inline cfgscribe::Record recordOf(const Bytes& bytes) { return cfgscribe::Record(orva::ByteView(bytes.data(), bytes.size())); }

struct Rendered {
  std::string text;
  std::uint32_t length = 0;  // the record's length by its type's rule
  unsigned problems = 0;     // damage the length rule found
};

// One walk step for one record: the context takes what the record defines,
// then the handler its mode's table has for its type runs.
Rendered runRecord(Flavour flavour, const Bytes& record, WalkContext& ctx, bool debug = false);
Rendered runRecord(Mode mode, const Bytes& record, WalkContext& ctx, bool debug = false, bool allValues = false);

// The walk alone over the records of `image` (no header block or closing line).
std::string renderWalk(Mode mode, const Bytes& image, bool debug = false, bool allValues = false);
// Whole output of one mode (header block, walk, closing line) for a file.
std::string render(Mode mode, const Bytes& file, bool debug = false, bool allValues = false);

// A scratch directory that configuration files are written into.
struct TempDir : ScratchDir {
  std::string write(const std::string& name, const Bytes& bytes) const {
    writeFile(*this / name, std::string(bytes.begin(), bytes.end()));
    return *this / name;
  }
};

// Runs cfgscribe in this process with the given words (the program name
// is added), at the tests' generated date-time.
Run runCfgscribeInProcess(std::vector<std::string> args);

// n blanks, for spelling out padded lines.
inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A table row: a record, the context it is read in, and the whole section
// expected ("@family/case" names a golden file) or, for checkFragments, a
// part of it; with the record's length (0: not checked).
struct RecordCase {
  std::string expected;
  Flavour flavour;
  bool debug;
  Bytes record;
  std::uint32_t length = 0;
  unsigned receivers = 0, transmitters = 0, nameDigits = 4;
};

void checkRecords(std::initializer_list<RecordCase> cases);
// `expected` must be part of the section (or, with `present` false, must not be).
void checkFragments(std::initializer_list<RecordCase> cases, bool present = true);

}  // namespace testsupport
