#include <cstdio>

#include "common/platform.h"
#include "common/sink.h"
#include "sndbank/sndbank.h"

int main(int argc, char** argv) {
  orva::platform::useTextMode(stdout);
  orva::Sink out(stdout);
  const int status = sndbank::runSndbank(argc, argv, out);
  out.flush();
  return status;
}
