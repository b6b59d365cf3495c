// The numbered 16-bit values of a port-grouped record (timers, counters)
// decoded as settings: entries 0 to 99 of the miscellaneous group and of
// ports 1 to 3, as far as the image holds them. Settings are made on
// demand from the record, so nothing is stored or allocated per value.
#pragma once

#include "cfgscribe/model/setting.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe {

class PortValueSettings {
 public:
  using ColdStart = unsigned (*)(unsigned type, unsigned group, unsigned entry);

  PortValueSettings(const Record& r, unsigned ports, const SettingKind& kind, ColdStart coldStart)
      : r_(r), groups_(r, ports), kind_(kind), coldStart_(coldStart) {}

  const PortGroups& layout() const { return groups_; }
  // Groups with numbered settings: the miscellaneous group and ports 1 to 3.
  unsigned groups() const { return groups_.shownPorts() + 1; }
  // Settings of group g the image holds: its numbered entries up to the
  // first one cut off by the end of the record.
  unsigned held(unsigned g) const {
    unsigned n = 0;
    while (n < groups_.shown(g) && groups_.loaded(g, n)) ++n;
    return n;
  }
  Setting setting(unsigned g, unsigned i) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(g),
                       static_cast<std::uint16_t>(i), 0};
    s.kind = &kind_;
    s.value = groups_.value(g, i);
    s.coldStart = coldStart_(r_.type(), g, i);
    s.hasColdStart = true;
    return s;
  }
  // The value a report column shows: 0 for ports the controller does not
  // have and for entries the image does not hold.
  unsigned shownValue(unsigned g, unsigned i) const {
    return g <= groups_.ports() && groups_.loaded(g, i) ? setting(g, i).value : 0;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned g = 0; g < groups(); ++g) {
      const unsigned n = held(g);
      for (unsigned i = 0; i < n; ++i) onSetting(setting(g, i));
    }
  }

 private:
  const Record& r_;
  PortGroups groups_;
  const SettingKind& kind_;
  ColdStart coldStart_;
};

// The script's commands for group g: one line per setting off its
// cold-start value (every one with -a, the defaults commented out), or
// "All <what> Set to Defaults" when none was written.
void scriptGroupSettings(Out& o, const PortValueSettings& settings, unsigned g, const char* what);

}  // namespace cfgscribe
