// The description catalogue: fixed English texts of every numbered setting
// and coded value, and the names of the root commands.
#pragma once

#include "common/sink.h"

namespace cfgscribe {

enum CatalogueKind : int {
  kTimers10Texts = 0,
  kTimers100Texts = 1,
  kTimers1000Texts = 2,
  kSwitchTexts = 3,
  kMessageTexts = 7,
  kEtmTexts = 8,
  kCounterTexts = 9,
  kCtcssToneTexts = 10,
  kCtcssModeTexts = 11,
  kReverseBurstTexts = 12,
  kRootNameTexts = 13,
  kBaudRateTexts = 14,
  kRootNameTexts2 = 15,
};

// The text of entry `index` of catalogue `kind`, from the miscellaneous
// table when `port` is 0 and from the port table (index modulo 100)
// otherwise. "" for anything the catalogue does not hold.
const char* lookupDescription(int kind, int port, int index);

// Prints `text` with every "%c" replaced by `portChar` (the port digit, or
// 'p' in rows that show all ports); returns the characters printed.
int printDescription(orva::Sink& out, const char* text, char portChar);

// Name of root command 0..99; "" outside that range.
const char* rootCommandName(int root);

// Whether root command `root` can be granted to the control operator.
bool isControllableRoot(int root);

}  // namespace cfgscribe
