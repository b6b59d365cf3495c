#include "common/image_header.h"

#include <algorithm>
#include <cstring>

#include "common/printable_text.h"

namespace orva {

const char* imageTypeName(unsigned itype) {
  switch (itype) {
    case kMultiSection: return "Multi-section File";
    case kConfigurationFile: return "Configuration File";
    case kSpeechLibrary: return "Speech Library";
    case kCustomAudioLibrary: return "Custom Audio Library";
    default: return "Unknown Type";
  }
}

std::string_view headerField(const HeaderBytes& header, std::size_t offset, std::size_t shown) {
  std::size_t n = 0;
  while (n < shown && offset + n < header.size() && header[offset + n] != 0xFF && header[offset + n] != 0x00) ++n;
  return {reinterpret_cast<const char*>(header.data() + offset), n};
}

std::string headerText(const HeaderBytes& header, std::size_t offset, std::size_t shown) {
  std::string text(headerField(header, offset, shown));
  for (char& c : text) c = printableByte(static_cast<unsigned char>(c));
  return text;
}

namespace {
void storeText(HeaderBytes& h, std::size_t offset, std::size_t width, std::string_view text) {
  std::size_t n = std::min(text.size(), width);
  std::memcpy(h.data() + offset, text.data(), n);
}
}  // namespace

HeaderBytes buildHeader(const HeaderFields& f) {
  HeaderBytes h;
  h.fill(0xFF);
  std::memcpy(h.data() + hdr::kSignature, "ORVA", 4);
  h[hdr::kHeaderVersion] = 0;
  storeText(h, hdr::kName, hdr::kNameWidth, f.name);
  storeText(h, hdr::kVersion, hdr::kVersionWidth, f.version);
  storeText(h, hdr::kDateText, hdr::kDateTextWidth, f.dateText);
  h[hdr::kType] = f.type;
  h[hdr::kSize] = static_cast<std::uint8_t>(f.size >> 16);
  h[hdr::kSize + 1] = static_cast<std::uint8_t>(f.size >> 8);
  h[hdr::kSize + 2] = static_cast<std::uint8_t>(f.size);
  h[hdr::kSpare1] = h[hdr::kSpare1 + 1] = 0;
  h[hdr::kSpare2] = h[hdr::kSpare2 + 1] = 0;
  return h;
}

}  // namespace orva
