#include <cstdio>

#include "cfgscribe/cli.h"
#include "common/platform.h"
#include "common/sink.h"

int main(int argc, char** argv) {
  orva::platform::useTextMode(stdout);
  orva::Sink out(stdout);
  const int status = cfgscribe::runCfgscribe(argc, argv, out);
  out.flush();
  return status;
}
