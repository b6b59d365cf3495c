// The description catalogue: fixed English texts of every numbered setting
// and coded value, and the names of the root commands.
#pragma once

#include "common/sink.h"

namespace cfgscribe {

// The tables of the catalogue: numbered settings (miscellaneous and port
// tables) and coded values (one table; the port is ignored).
enum class Catalogue {
  kTimers10,
  kTimers100,
  kTimers1000,
  kSwitches,
  kMessages,
  kEtms,
  kCounters,
  kCtcssTones,
  kCtcssModes,
  kReverseBursts,
  kBaudRates,
};

// The text of entry `index` of `kind`, from the miscellaneous table when
// `port` is 0 and from the port table (index modulo 100) otherwise. "" for
// anything the catalogue does not hold.
const char* lookupDescription(Catalogue kind, unsigned port, unsigned index);

// Whether the controller has entry `entry` of the miscellaneous group
// (`port` 0) or of every port: the catalogue holds a text for it other than
// "Reserved". Entries are not taken modulo 100.
bool isDefinedEntry(Catalogue kind, unsigned port, unsigned entry);

// Prints `text` with every "%c" replaced by `portChar` (the port digit, or
// 'p' in rows that show all ports); returns the characters printed.
int printDescription(orva::Sink& out, const char* text, char portChar);

// Name of root command 0..99; "" outside that range.
const char* rootCommandName(unsigned root);

// Whether root command `root` can be granted to the control operator.
bool isControllableRoot(unsigned root);

}  // namespace cfgscribe
