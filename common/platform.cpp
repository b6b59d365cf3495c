// The parts of the platform layer that the standard library makes the same
// on every system.
#include "common/platform.h"

#include <optional>
#include <string_view>

namespace orva::platform {

namespace {

// Windows converts the UTF-8 text to its UTF-16 names and refuses bytes that
// are not UTF-8; those name no file there.
std::optional<std::filesystem::path> pathOf(const char* name) {
  try {
    return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(name)));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::string textOf(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

FileType fileType(const char* name) {
  const std::optional<std::filesystem::path> path = pathOf(name);
  if (!path) return FileType::kMissing;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::status(*path, ec);
  if (ec || !std::filesystem::exists(status)) return FileType::kMissing;
  if (std::filesystem::is_regular_file(status)) return FileType::kRegular;
  if (std::filesystem::is_directory(status)) return FileType::kDirectory;
  return FileType::kOther;
}

std::string absoluteDirectory(const char* name, std::error_code& ec) {
  const std::optional<std::filesystem::path> path = pathOf(name);
  if (!path) {
    ec = std::make_error_code(std::errc::no_such_file_or_directory);
    return {};
  }
  const std::filesystem::path absolute = std::filesystem::canonical(*path, ec);
  if (!ec && !std::filesystem::is_directory(absolute, ec) && !ec) {
    ec = std::make_error_code(std::errc::not_a_directory);
  }
  return ec ? std::string() : textOf(absolute);
}

std::string currentDirectory() {
  std::error_code ec;
  const std::filesystem::path cwd = std::filesystem::current_path(ec);
  return ec ? std::string() : textOf(cwd);
}

}  // namespace orva::platform
