// The complete example configuration through the whole program, in every
// mode with and without debug lines, against reviewed golden outputs. The
// run-time date is fixed so the comparison is stable.

#include <cstdio>
#include <filesystem>

#include "cfgscribe/cli.h"
#include "harness.h"
#include "examples/example_configs.h"

namespace {

// The shipped example must be exactly what the builder makes.
TEST(FullExample, ShippedFileMatchesTheBuilder) {
  const std::string path = std::string(ORVA_SOURCE_DIR) + "/examples/summit.cfg";
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr) << path;
  testsupport::Bytes shipped(70000);
  shipped.resize(std::fread(shipped.data(), 1, shipped.size(), f));
  std::fclose(f);
  EXPECT_EQ(shipped, testsupport::exampleCompleteConfig()) << "run build/tools/make_examples examples";
}

TEST(FullExample, EveryModeMatchesItsGolden) {
  struct Case {
    const char* option;
    const char* golden;
  } cases[] = {
      {"-r", "full/report"},  {"-s", "full/script"},   {"-a", "full/script_all"},   {"-C", "full/raw"},
      {"-rd", "full/report_debug"}, {"-sd", "full/script_debug"}, {"-ad", "full/script_all_debug"},
      {"-Cd", "full/raw_debug"},
  };
  for (const Case& c : cases) {
    // The program name and path are fixed too: -d lists the arguments.
    const char* argv[] = {"cfgscribe", c.option, "examples/summit.cfg"};
    std::string out;
    {
      orva::Sink sink(out);
      const std::filesystem::path cwd = std::filesystem::current_path();
      std::filesystem::current_path(ORVA_SOURCE_DIR);
      cfgscribe::runCfgscribe(3, argv, sink, "12/06/26 12:00:00");
      std::filesystem::current_path(cwd);
    }
    testsupport::expectGolden(out, c.golden);
  }
}

}  // namespace
