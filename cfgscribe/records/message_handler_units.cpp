#include "cfgscribe/records/message_handler_units.h"

namespace cfgscribe::records {
namespace {

struct CwSpeedEntry {
  unsigned code;
  CwSpeed speed;
};

constexpr CwSpeedEntry kCwSpeeds[] = {
    {24, {0, 5}},  {17, {1, 7}},  {12, {2, 10}}, {9, {3, 13}}, {8, {4, 15}},
    {7, {5, 17}},  {6, {6, 20}},  {5, {7, 24}},  {4, {8, 30}}, {3, {9, 40}},
};

}  // namespace

CwSpeed cwSpeed(unsigned code) {
  for (const CwSpeedEntry& entry : kCwSpeeds) {
    if (entry.code == code) return entry.speed;
  }
  return {-1, -1};
}

int printLevel(orva::Sink& out, unsigned code) {
  const int whole = -static_cast<int>(code / 2);
  const int tenths = static_cast<int>(code % 2) * 5;
  if (whole == 0 && tenths != 0) return out.printf(" -0.%d", tenths);
  return out.printf("%3d.%d", whole, tenths);
}

}  // namespace cfgscribe::records
