#include <cstdio>

#include "cfgscribe/cli.h"
#include "common/sink.h"

int main(int argc, char** argv) {
  orva::Sink out(stdout);
  const int status = cfgscribe::runCfgscribe(argc, argv, out);
  out.flush();
  return status;
}
