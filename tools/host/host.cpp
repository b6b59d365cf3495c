// The parts of the test host that the standard library makes portable.
#include "host/host.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace testhost {

std::string makeTempDirectory(const std::string& prefix) {
  static std::atomic<unsigned> serial{0};
  std::random_device device;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    // The clock and a serial number keep names apart even where the random
    // device is weak.
    const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    const unsigned long long tag = (stamp * 1000003u) ^ (static_cast<unsigned long long>(device()) << 20) ^ serial++;
    const std::filesystem::path path = base / (prefix + "-" + std::to_string(tag % 100000000000ull));
    std::error_code ec;
    if (std::filesystem::create_directory(path, ec)) return path.string();
  }
  throw std::runtime_error("cannot make a temporary directory under " + base.string());
}

namespace {
std::string readAs(const std::string& path, std::ios::openmode mode) {
  std::ifstream in(path, std::ios::in | mode);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

std::string readBytes(const std::string& path) { return readAs(path, std::ios::binary); }
std::string readText(const std::string& path) { return readAs(path, {}); }

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& cwd) {
  const std::string dir = makeTempDirectory("run");
  const std::string output = (std::filesystem::path(dir) / "output").string();
  ProgramRun run;
  run.status = detail::runWithOutput(program, args, cwd, output);
  run.bytes = readBytes(output);
  run.text = readText(output);
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return run;
}

}  // namespace testhost
