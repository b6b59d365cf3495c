#include "cfgscribe/configuration_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "common/platform.h"

namespace cfgscribe {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ConfigurationFile::load(const char* path, const char* lead, orva::Sink& out, orva::Sink& notes) {
  std::unique_ptr<std::FILE, FileCloser> file;
  if (orva::platform::fileType(path) != orva::platform::FileType::kDirectory) file.reset(std::fopen(path, "rb"));
  if (!file) {
    out.printf("%sCannot open input file %s\n", lead, path);
    return false;
  }
  buffer_.fill(0);
  length_ = std::fread(buffer_.data(), 1, buffer_.size(), file.get());
  truncated_ = false;
  if (length_ == buffer_.size()) {
    std::uint8_t extra;
    truncated_ = std::fread(&extra, 1, 1, file.get()) == 1;
  }
  if (truncated_) {
    notes.printf("%s  WARNING: %s is longer than %zu bytes; only the first %zu bytes are read\n", lead, path,
                 kLoadBufferSize, kLoadBufferSize);
  }
  std::copy_n(buffer_.begin(), orva::kHeaderSize, header_.begin());
  return true;
}

void ConfigurationFile::assign(const std::uint8_t* data, std::size_t size) {
  buffer_.fill(0);
  length_ = std::min(size, buffer_.size());
  truncated_ = size > buffer_.size();
  std::copy_n(data, length_, buffer_.begin());
  std::copy_n(buffer_.begin(), orva::kHeaderSize, header_.begin());
}

void ConfigurationFile::checkHeader(bool debug, const char* lead, DamageLog& log, orva::Sink& notes) {
  if (truncated_) log.count();
  if (length_ < orva::kHeaderSize) {
    notes.printf("%s  VERIFY ERROR: the file holds %zu bytes, less than the %zu-byte image header\n", lead, length_,
                 orva::kHeaderSize);
    log.count();
  }
  const std::size_t body = length_ > orva::kHeaderSize ? length_ - orva::kHeaderSize : 0;
  const unsigned isz = orva::headerSize(header_);
  walkLength_ = isz;
  if (body < isz) {
    if (length_ >= orva::kHeaderSize) {
      notes.printf("%s  VERIFY ERROR: ffs_imageHeader->isz expected=0x%x, actual=0x%X\n", lead,
                   static_cast<unsigned>(body), isz);
      log.count();
    }
    walkLength_ = body;
  } else if (debug) {
    notes.printf("%s  Verify Pass: ffs_imageHeader->isz (Size of Config File) =0x%X\n", lead, isz);
  }
  const unsigned itype = orva::headerType(header_);
  if (itype != orva::kConfigurationFile) {
    notes.printf("%s  VERIFY ERROR: ffs_imageHeader->itype expected=0x%x, actual=0x%X\n", lead, 1u, itype);
    log.count();
  } else if (debug) {
    notes.printf("%s  Verify Pass: ffs_imageHeader->itype=0x%x\n", lead, 1u);
  }
}

}  // namespace cfgscribe
