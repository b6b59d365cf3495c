// Placeholder until the library builder lands.
#include <cstdio>

int main() {
  std::puts("ORVA sndbank: not built yet");
  return 0;
}
