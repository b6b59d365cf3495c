// Verification of a written library image, correct and damaged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_support.h"
#include "sndbank/verify.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::ScratchDir;

class Verify : public ::testing::Test {
 protected:
  // The worked example: word 3000 of 100 samples.
  void SetUp() override {
    testsupport::writeRamp(dir_ / "w.raw", 100);
    testsupport::buildSpeechLibrary(dir_, "3000 " + (dir_ / "w.raw") + "\n");
    good_ = testsupport::readFile(dir_ / "lib.bin");
    ASSERT_EQ(good_.size(), 12647u);
    counts_.fill(0);
    counts_[3000] = 100;
  }

  std::string verify(const std::string& path, unsigned type = 2) {
    std::string output;
    orva::Sink out(output);
    verifyLibrary({path.c_str(), type, 1, counts_, false}, out);
    return output;
  }
  std::string verifyImage(const std::string& image, unsigned type = 2) {
    testsupport::writeFile(dir_ / "check.bin", image);
    return verify(dir_ / "check.bin", type);
  }

  ScratchDir dir_;
  std::string good_;
  SampleCounts counts_{};
};

TEST_F(Verify, TheImageJustWritten) {
  testsupport::expectGolden(verifyImage(good_), "sndbank_verify/good");
  testsupport::expectGolden(verifyImage(good_, 3), "sndbank_verify/type3");  // checked against the run's type
}

TEST_F(Verify, ReportsEveryDamagedFieldAndGoesOn) {
  struct Damage {
    const char* golden;
    std::size_t keep;           // bytes kept (0: all)
    std::size_t at;             // where `bytes` are written over
    std::vector<unsigned> bytes;
  };
  const Damage cases[] = {
      {"truncated_data", 12600, 0, {}},
      {"truncated_at_the_word", 12544, 0, {}},
      {"headers_only", 300, 0, {}},
      {"wrong_isz", 0, 57, {0x00, 0x30, 0x00}},
      {"wrong_stop_address", 0, 12544, {0x00, 0x31, 0x65}},
      {"si_oBas_past_the_file", 0, 256, {0xFF, 0xFF}},
      {"si_nBas_beyond_the_index_capacity", 0, 260, {0xFF, 0xFF}},
      {"si_nBas_too_small", 0, 260, {0x00, 0x64}},
      {"si_sBas_beyond_the_index_buffer", 0, 258, {0xFF, 0xFF}},
      {"si_lBas", 0, 262, {0x01, 0x00, 0x00}},
      {"start_address_past_the_end", 0, 512 + 4 * 3000, {0x7F, 0x00, 0x00}},
      {"stray_index_entry", 0, 512 + 4 * 7, {0x00, 0x01, 0x02}},
  };
  for (const Damage& c : cases) {
    std::string image = good_;
    if (c.keep != 0) image.resize(c.keep);
    for (std::size_t k = 0; k < c.bytes.size(); ++k) image.at(c.at + k) = static_cast<char>(c.bytes[k]);
    testsupport::expectGolden(verifyImage(image), std::string("sndbank_verify/") + c.golden);
  }
}

TEST_F(Verify, AnEmptyOrMissingFile) {
  // Every header check fails without reading past the end.
  const std::string output = verifyImage("");
  EXPECT_NE(output.find("  VERIFY ERROR: ffs_imageHeader.isz expected=0xffffff00, actual=0xFFFFFF\n"),
            std::string::npos) << output;
  EXPECT_NE(output.find("  VERIFY ERROR: Found 0 entries pointing to samples, expected 1.\n"), std::string::npos);
  EXPECT_EQ(verify(dir_ / "absent.bin"), "Starting Verify...\nError: During verifyFile, test file " +
                                              (dir_ / "absent.bin") +
                                              " cannot be opened, No such file or directory\n");
}

}  // namespace
}  // namespace sndbank
