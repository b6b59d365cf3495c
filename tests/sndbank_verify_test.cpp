// Verification of a written library image, correct and damaged.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "sndbank/verify.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testsupport::ScratchDir;

// The lines of a verification of the worked example (word 3000, 100 bytes).
struct Expected {
  std::string isz = "  Verify Pass: ffs_imageHeader.isz (Size of Speech Library File) =0x3167\n";
  std::string itype = "  Verify Pass: ffs_imageHeader.itype=0x2\n";
  std::string oBas = "  Verify Pass: sl_header.si_oBas (Offset to Basic Word Index) =0x200\n";
  std::string nBas = "  Verify Pass: sl_header.si_nBas (Number of Basic Index Entries) =3001 (0xbb9, "
                     "max was MAX_WORDCODE_INDEX)\n";
  std::string sBas = "  Verify Pass: sl_header.si_sBas (Number of Entries * 4 Rounded up to 256 "
                     "Boundary) =0x2f00\n";
  std::string lBas = "  Verify Pass: sl_header.si_lBas (First Free Address in Speech File) =0x3167\n";
  std::string words;
  std::string found = "  Verify Pass: Found 1 entries pointing to samples.\n";

  std::string text() const {
    return "Starting Verify...\n" + isz + itype + oBas + nBas + sBas + lBas + words + found +
           "  Verify Complete.\n";
  }
};

class Verify : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::writeRamp(dir_ / "w.raw", 100);
    testsupport::writeFile(dir_ / "words.def", "3000 " + (dir_ / "w.raw") + "\n");
    testsupport::runSndbankInProcess({"sndbank", "Lib", "1.2", "now", dir_ / "words.def",
                                      dir_ / "good.bin", dir_ / "i", dir_ / "t", dir_ / "n"});
    good_ = testsupport::readFile(dir_ / "good.bin");
    ASSERT_EQ(good_.size(), 12647u);
    counts_.fill(0);
    counts_[3000] = 100;
  }

  std::string verify(const Bytes& image, unsigned type = 2, int words = 1, bool debug = false) {
    testsupport::writeFile(dir_ / "check.bin", image);
    std::string output;
    orva::Sink out(output);
    verifyLibrary({(dir_ / "check.bin").c_str(), type, words, counts_, debug}, out);
    return output;
  }

  static void put(Bytes& b, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t v : bytes) b.at(at++) = v;
  }

  ScratchDir dir_;
  Bytes good_;
  SampleCounts counts_{};
};

TEST_F(Verify, PassesTheImageJustWritten) {
  EXPECT_EQ(verify(good_), Expected().text());
}

TEST_F(Verify, DebugShowsTheIndexReadAndEveryWord) {
  Expected e;
  e.lBas += "In verifyFile, read sl_index at 0x200, sBasicIndex=0x2F00\n";
  e.words = "In verifyFile, wordCode=3000, oStart=0x3100, oStop=0x3166, cSamples=100 (0x64)\n"
            "In verifyFile, found 1 entries pointing to samples.\n";
  EXPECT_EQ(verify(good_, 2, 1, true), e.text());
}

struct Damage {
  const char* label;
  std::function<void(Bytes&)> damage;
  std::function<void(Expected&)> expect;
};

TEST_F(Verify, ReportsEveryDamagedFieldAndGoesOn) {
  const std::vector<Damage> cases = {
      {"truncated data", [](Bytes& b) { b.resize(12600); },
       [](Expected& e) {
         e.isz = "  VERIFY ERROR: ffs_imageHeader.isz expected=0x3038, actual=0x3067\n";
         e.lBas = "  VERIFY ERROR: sl_header.si_lBas expected=0x3138, actual=0x3167\n";
       }},
      {"truncated at the word", [](Bytes& b) { b.resize(12544); },
       [](Expected& e) {
         e.isz = "  VERIFY ERROR: ffs_imageHeader.isz expected=0x3000, actual=0x3067\n";
         e.lBas = "  VERIFY ERROR: sl_header.si_lBas expected=0x3100, actual=0x3167\n";
         e.words = "VERIFY ERROR: oStopAddress mismatch for wordCode=3000, expected=0x3166, "
                   "actual=0xFFFFFF\n";
       }},
      {"wrong isz", [](Bytes& b) { put(b, 57, {0x00, 0x30, 0x00}); },
       [](Expected& e) {
         e.isz = "  VERIFY ERROR: ffs_imageHeader.isz expected=0x3067, actual=0x3000\n";
       }},
      {"wrong stop address", [](Bytes& b) { put(b, 12544, {0x00, 0x31, 0x65}); },
       [](Expected& e) {
         e.words = "VERIFY ERROR: oStopAddress mismatch for wordCode=3000, expected=0x3166, "
                   "actual=0x3165\n";
       }},
      {"si_oBas past the file", [](Bytes& b) { put(b, 256, {0xFF, 0xFF}); },
       [](Expected& e) {
         e.oBas = "  VERIFY ERROR: sl_header.si_oBas expected=0x2, actual=0xFFFF\n";
         e.found = "  VERIFY ERROR: Found 0 entries pointing to samples, expected 1.\n";
       }},
      {"si_nBas beyond the index capacity", [](Bytes& b) { put(b, 260, {0xFF, 0xFF}); },
       [](Expected& e) {
         e.nBas = "  VERIFY ERROR: sl_header.si_nBas expected=0x2000 max, actual=0xFFFF\n";
         e.sBas = "  VERIFY ERROR: sl_header.si_sBas expected=0x400, actual=0x2F\n";
       }},
      {"si_nBas too small", [](Bytes& b) { put(b, 260, {0x00, 0x64}); },
       [](Expected& e) {
         e.nBas = "  Verify Pass: sl_header.si_nBas (Number of Basic Index Entries) =100 (0x64, "
                  "max was MAX_WORDCODE_INDEX)\n";
         e.sBas = "  VERIFY ERROR: sl_header.si_sBas expected=0x2, actual=0x2F\n";
         e.found = "  VERIFY ERROR: Found 0 entries pointing to samples, expected 1.\n";
       }},
      {"si_sBas beyond the index buffer", [](Bytes& b) { put(b, 258, {0xFF, 0xFF}); },
       [](Expected& e) { e.sBas = "  VERIFY ERROR: sl_header.si_sBas expected=0x2f, actual=0xFFFF\n"; }},
      {"si_lBas", [](Bytes& b) { put(b, 262, {0x01, 0x00, 0x00}); },
       [](Expected& e) {
         e.lBas = "  VERIFY ERROR: sl_header.si_lBas expected=0x3167, actual=0x10000\n";
       }},
      {"start address past the end", [](Bytes& b) { put(b, 512 + 4 * 3000, {0x7F, 0x00, 0x00}); },
       [](Expected& e) {
         e.words = "VERIFY ERROR: oStopAddress mismatch for wordCode=3000, expected=0x7f0066, "
                   "actual=0xFFFFFF\n";
       }},
      {"stray index entry", [](Bytes& b) { put(b, 512 + 4 * 7, {0x00, 0x01, 0x02}); },
       [](Expected& e) {
         e.words = "VERIFY ERROR: oStopAddress mismatch for wordCode=0007, expected=0x104, "
                   "actual=0x2F0B\n";
         e.found = "  VERIFY ERROR: Found 2 entries pointing to samples, expected 1.\n";
       }},
      {"headers only", [](Bytes& b) { b.resize(300); },
       [](Expected& e) {
         e.isz = "  VERIFY ERROR: ffs_imageHeader.isz expected=0x2c, actual=0x3067\n";
         e.lBas = "  VERIFY ERROR: sl_header.si_lBas expected=0x12c, actual=0x3167\n";
         e.found = "  VERIFY ERROR: Found 0 entries pointing to samples, expected 1.\n";
       }},
  };
  for (const Damage& c : cases) {
    Bytes image = good_;
    c.damage(image);
    Expected e;
    c.expect(e);
    EXPECT_EQ(verify(image), e.text()) << c.label;
  }
}

TEST_F(Verify, ChecksTheTypeOfTheRun) {
  Expected e;
  e.itype = "  VERIFY ERROR: ffs_imageHeader.itype expected=0x3, actual=0x2\n";
  EXPECT_EQ(verify(good_, 3), e.text());
}

TEST_F(Verify, AnEmptyFileFailsEveryHeaderCheckWithoutReadingPastIt) {
  const std::string output = verify({});
  EXPECT_NE(output.find("  VERIFY ERROR: ffs_imageHeader.isz expected=0xffffff00, "
                        "actual=0xFFFFFF\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("  VERIFY ERROR: Found 0 entries pointing to samples, expected 1.\n"),
            std::string::npos);
}

TEST_F(Verify, AFileThatDoesNotOpenEndsTheVerification) {
  std::string output;
  {
    orva::Sink out(output);
    verifyLibrary({(dir_ / "absent.bin").c_str(), 2, 1, counts_, false}, out);
  }
  EXPECT_EQ(output, "Starting Verify...\n"
                    "Error: During verifyFile, test file " + (dir_ / "absent.bin") +
                        " cannot be opened, No such file or directory\n");
}

}  // namespace
}  // namespace sndbank
