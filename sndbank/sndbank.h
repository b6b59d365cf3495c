// The sndbank program as a library call, so tests run it in-process.
#pragma once

#include "common/sink.h"

namespace sndbank {

// Runs the whole program: command line, then the numbered passes. Returns
// the exit status (common/exit_status.h): success only when every output
// asked for was written and the library verified.
int runSndbank(int argc, char** argv, orva::Sink& out);

}  // namespace sndbank
