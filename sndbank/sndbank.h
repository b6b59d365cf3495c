// The sndbank program as a library call, so tests run it in-process.
#pragma once

#include "common/sink.h"

namespace sndbank {

// Runs the whole program: command line, then the numbered passes. Returns
// the exit status: -1 for an unknown option letter, 0 otherwise.
int runSndbank(int argc, char** argv, orva::Sink& out);

}  // namespace sndbank
