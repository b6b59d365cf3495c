// The platform layer: what differs between systems gives the same answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/platform.h"
#include "host/host.h"
#include "support/sndbank_files.h"

namespace {

namespace platform = orva::platform;
using testsupport::ScratchDir;

TEST(Platform, FileTypesAndDirectoriesByUtf8Name) {
  ScratchDir dir;
  const std::string greek = "\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1";  // five Greek letters
  std::filesystem::create_directory(std::filesystem::path(dir.path()) / u8"\u03a9\u03bc\u03ad\u03b3\u03b1");
  testsupport::writeFile(dir / (greek + "/w.raw"), "x");
  const struct {
    std::string name;
    platform::FileType type;
  } cases[] = {
      {dir / (greek + "/w.raw"), platform::FileType::kRegular},
      {dir / greek, platform::FileType::kDirectory},
      {dir / "missing", platform::FileType::kMissing},
      {dir / (greek + "/w.raw/below"), platform::FileType::kMissing},
      {"\xff\xfe not text", platform::FileType::kMissing},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::fileType(c.name.c_str()), c.type) << c.name;

  std::error_code ec;
  const std::string absolute = platform::absoluteDirectory((dir / greek).c_str(), ec);
  EXPECT_FALSE(ec);
  EXPECT_TRUE(absolute.ends_with(greek)) << absolute;
  for (const std::string& notDirectory : {dir / (greek + "/w.raw"), dir / "missing"}) {
    EXPECT_EQ(platform::absoluteDirectory(notDirectory.c_str(), ec), "") << notDirectory;
    EXPECT_TRUE(ec) << notDirectory;
  }
}

TEST(Platform, ReplaceFileOverwritesInOneStep) {
  ScratchDir dir;
  testsupport::writeFile(dir / "new", "new bytes");
  testsupport::writeFile(dir / "target", "old");
  std::error_code ec;
  platform::replaceFile(dir / "new", dir / "target", ec);  // over an existing file
  EXPECT_FALSE(ec) << ec.message();
  EXPECT_EQ(testhost::readBytes(dir / "target"), "new bytes");
  EXPECT_FALSE(std::filesystem::exists(dir / "new"));
  platform::replaceFile(dir / "new", dir / "target", ec);  // nothing to move: the target stays
  EXPECT_TRUE(ec);
  EXPECT_EQ(testhost::readBytes(dir / "target"), "new bytes");
  testsupport::writeFile(dir / "fresh", "f");
  platform::replaceFile(dir / "fresh", dir / "absent", ec);  // no target yet
  EXPECT_FALSE(ec) << ec.message();
  EXPECT_EQ(testhost::readBytes(dir / "absent"), "f");
}


}  // namespace
