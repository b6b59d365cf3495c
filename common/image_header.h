// The 256-byte header at the front of every configuration file and library
// image in the controller's flash file system.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orva {

constexpr std::size_t kHeaderSize = 256;

// Field offsets and widths.
namespace hdr {
constexpr std::size_t kSignature = 0;
constexpr std::size_t kHeaderVersion = 4;
constexpr std::size_t kName = 5;
constexpr std::size_t kNameWidth = 16;
constexpr std::size_t kVersion = 21;
constexpr std::size_t kVersionWidth = 12;
constexpr std::size_t kDateText = 33;
constexpr std::size_t kDateTextWidth = 16;
constexpr std::size_t kDateBcd = 49;
constexpr std::size_t kType = 56;  // itype
constexpr std::size_t kSize = 57;  // isz, 24-bit
constexpr std::size_t kSpare1 = 60;
constexpr std::size_t kSpare2 = 62;
// How much of each text field a reader shows.
constexpr std::size_t kNameShown = 16;
constexpr std::size_t kVersionShown = 8;
constexpr std::size_t kDateTextShown = 16;
}  // namespace hdr

enum ImageType : std::uint8_t {
  kMultiSection = 0,
  kConfigurationFile = 1,
  kSpeechLibrary = 2,
  kCustomAudioLibrary = 3,
};

using HeaderBytes = std::array<std::uint8_t, kHeaderSize>;

// Name printed for an itype value.
const char* imageTypeName(unsigned itype);

// A header text field as stored: bytes up to the first 0xFF, at most
// `shown` of them, and cut again at a 0x00.
std::string_view headerField(const HeaderBytes& header, std::size_t offset, std::size_t shown);
// The same as terminals show it: control bytes as ".".
std::string headerText(const HeaderBytes& header, std::size_t offset, std::size_t shown);

inline unsigned headerType(const HeaderBytes& h) { return h[hdr::kType]; }
inline unsigned headerSize(const HeaderBytes& h) {
  return static_cast<unsigned>(h[hdr::kSize]) << 16 | static_cast<unsigned>(h[hdr::kSize + 1]) << 8 |
         h[hdr::kSize + 2];
}

// What a writer puts in a header. Texts longer than their field are cut to
// the field; callers that must refuse long texts check with fitsField first.
struct HeaderFields {
  std::string_view name;
  std::string_view version;
  std::string_view dateText;
  std::uint8_t type = 0;
  std::uint32_t size = 0;  // isz, 24-bit
};

inline bool fitsField(std::string_view text, std::size_t width) { return text.size() <= width; }

// Builds a header: 0xFF everywhere, then signature "ORVA", header version 0,
// the three texts without terminator, itype, isz and the two spare words 0.
HeaderBytes buildHeader(const HeaderFields& fields);

}  // namespace orva
