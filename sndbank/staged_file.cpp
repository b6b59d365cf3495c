#include "sndbank/staged_file.h"

#include <filesystem>
#include <system_error>

#include "common/platform.h"

namespace sndbank {

bool StagedFile::open(const char* target, const char* mode) {
  discard();
  const orva::platform::FileType type = orva::platform::fileType(target);
  if (type == orva::platform::FileType::kDirectory) return false;
  target_ = target;
  // A device or pipe (/dev/stdout, a named pipe) is written as it is: there
  // is no previous content to keep, and renaming over it would replace it.
  if (type == orva::platform::FileType::kOther) {
    file_ = std::fopen(target, mode);
    return file_ != nullptr;
  }
  // Through a link, the file it names is replaced, not the link.
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
    const std::filesystem::path resolved = std::filesystem::canonical(target, ec);
    if (!ec) target_ = resolved.string();
  }
  staged_ = target_ + ".sndbank-tmp";  // a name no other tool uses
  // An interrupted run removes it (the platform layer's handler).
  file_ = orva::platform::createTemporary(staged_, mode);
  if (file_ == nullptr) staged_.clear();
  return file_ != nullptr;
}

bool StagedFile::close() {
  if (file_ == nullptr) return true;
  // The commit waits for the content to reach the disk: let it start now,
  // while the run goes on with its other passes.
  if (isStaged()) orva::platform::startWriting(file_);
  const bool flushed = std::ferror(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return flushed && closed;
}

bool StagedFile::commit() {
  if (!close()) {
    discard();
    return false;
  }
  if (!isStaged()) return true;  // written in place
  std::error_code ec;
  orva::platform::replaceFile(staged_, target_, ec);
  if (ec) {
    discard();
    return false;
  }
  // Renamed first: an interruption in between removes a name no longer there.
  orva::platform::keepOnInterrupt(staged_);
  staged_.clear();
  return true;
}

void StagedFile::discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (!staged_.empty()) {
    std::remove(staged_.c_str());
    orva::platform::keepOnInterrupt(staged_);
  }
  staged_.clear();
}

}  // namespace sndbank
