// An output file written beside its target under a temporary name and moved
// over the target only when the run has succeeded, so that a failed run
// leaves the user's previous file byte for byte as it was.
#pragma once

#include <cstdio>
#include <string>

namespace sndbank {

class StagedFile {
 public:
  StagedFile() = default;
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  ~StagedFile() { discard(); }

  // Creates "<target>.sndbank-tmp" for writing (a device or pipe target is opened
  // itself). False when the target is a directory or the file cannot be
  // created (its directory does not exist).
  bool open(const char* target, const char* mode);

  std::FILE* file() const { return file_; }
  // Where the content is until commit(): the file to re-read for checks.
  const char* path() const { return isStaged() ? staged_.c_str() : target_.c_str(); }
  bool isStaged() const { return !staged_.empty(); }

  // Closes the temporary file; false when its content could not all be written.
  bool close();
  // Moves the closed temporary file over the target; false (and the
  // temporary file removed) when that fails.
  bool commit();
  // Closes and removes the temporary file; the target is left as it was.
  void discard();

 private:
  std::FILE* file_ = nullptr;
  std::string target_;
  std::string staged_;
};

}  // namespace sndbank
