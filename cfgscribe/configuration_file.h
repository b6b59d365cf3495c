// A configuration file as the modes read it: loaded into one buffer of
// 65,536 bytes, its image header checked, and the part the record walk may
// read. Damage found here is named and counted like the walk's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "cfgscribe/damage_log.h"
#include "common/byte_view.h"
#include "common/image_header.h"
#include "common/sink.h"

namespace cfgscribe {

// The load buffer: the whole file, header included, as it is on disk.
constexpr std::size_t kLoadBufferSize = 65536;

class ConfigurationFile {
 public:
  // Loads `path`; false, with "Cannot open input file" on `out`, when it
  // cannot be opened (a directory is not opened at all). A file longer than
  // the buffer is read up to it, with a warning on `notes`.
  bool load(const char* path, const char* lead, orva::Sink& out, orva::Sink& notes);
  // Takes the file's bytes from memory instead (at most the buffer's size).
  void assign(const std::uint8_t* data, std::size_t size);
  // The header's size and type checks: each mismatch named on `notes` and
  // counted in `log` (with the cut-off of a long file); with `debug` the
  // checks that pass are shown too. `lead` is ";" in a script.
  void checkHeader(bool debug, const char* lead, DamageLog& log, orva::Sink& notes);

  const orva::HeaderBytes& header() const { return header_; }
  // The configuration image the walk reads: as long as the header says or
  // as the file holds, whichever is shorter.
  orva::ByteView image() const { return orva::ByteView(buffer_.data() + orva::kHeaderSize, walkLength_); }

 private:
  std::array<std::uint8_t, kLoadBufferSize> buffer_{};
  orva::HeaderBytes header_{};
  std::size_t length_ = 0;
  std::size_t walkLength_ = 0;
  bool truncated_ = false;
};

}  // namespace cfgscribe
