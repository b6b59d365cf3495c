#include "generators/config_pairs.h"

#include <random>
#include <vector>

#include "cfgscribe/record_walk.h"
#include "common/image_header.h"

namespace generators {

namespace {

bool fixedLayout(unsigned type) {
  switch (type) {
    case cfgscribe::kPasswords:
    case cfgscribe::kSoftwareSwitch:
    case cfgscribe::kTimers10:
    case cfgscribe::kTimers100:
    case cfgscribe::kTimers1000:
    case cfgscribe::kCounters:
    case cfgscribe::kPathMode:
    case cfgscribe::kCTCSSEncoders:
    case cfgscribe::kCPWAccessTable:
    case cfgscribe::kToneGenerators:
      return true;
    default:
      return false;
  }
}

struct Span {
  std::size_t from, to;  // file offsets of a record's values
  unsigned type;
};

}  // namespace

ConfigPair redrawnPair(const Bytes& base, std::uint32_t seed, unsigned records) {
  ConfigPair pair{base, base};
  if (base.size() <= orva::kHeaderSize) return pair;
  const orva::ByteView image(base.data() + orva::kHeaderSize, base.size() - orva::kHeaderSize);
  std::vector<Span> spans;
  std::string ignored;
  orva::Sink sink(ignored);
  cfgscribe::DamageLog log(sink, false);
  cfgscribe::forEachRecord(
      image, log, [](std::size_t, unsigned) {},
      [&](const cfgscribe::Record& r, const cfgscribe::WalkContext&) {
        if (!fixedLayout(r.type())) return;
        const std::size_t header = r.type() == cfgscribe::kPasswords || r.type() == cfgscribe::kSoftwareSwitch ||
                                           r.type() == cfgscribe::kCPWAccessTable
                                       ? 4
                                       : 5;
        spans.push_back({orva::kHeaderSize + r.offset() + header, orva::kHeaderSize + r.offset() + r.size(), r.type()});
      });
  std::mt19937 random(seed);
  for (unsigned n = 0; n < records && !spans.empty(); ++n) {
    const Span& span = spans[random() % spans.size()];
    for (std::size_t i = span.from; i < span.to; ++i) {
      if (span.type == cfgscribe::kPasswords) {
        // Two keypad digits a byte, or the end byte; never a star.
        pair.newFile[i] = random() % 4 == 0 ? 0xFF : static_cast<std::uint8_t>(random() % 10 << 4 | random() % 10);
      } else if (random() % 3 == 0) {
        pair.newFile[i] = static_cast<std::uint8_t>(random() % (span.type == cfgscribe::kCTCSSEncoders ? 4 : 256));
      }
    }
  }
  return pair;
}

}  // namespace generators
