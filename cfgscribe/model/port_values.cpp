#include "cfgscribe/model/port_values.h"

namespace cfgscribe {

void scriptGroupSettings(Out& o, const PortValueSettings& settings, unsigned g, const char* what) {
  unsigned printed = 0;
  const unsigned held = settings.held(g);
  for (unsigned i = 0; i < held; ++i) printed += o.setting(settings.setting(g, i)) ? 1 : 0;
  if (printed == 0) o.sink.printf(";    All %s Set to Defaults\n", what);
}

}  // namespace cfgscribe
