// Looking inside a library image: listing its headers and words, and
// extracting its words as raw or WAV word files.
#pragma once

#include "common/sink.h"

namespace sndbank {

// Prints the headers, one line per word and the totals, naming every
// inconsistency where it is found. Returns the exit status: success only for
// a sound image.
int listLibrary(const char* path, orva::Sink& out);

enum class WordFormat { kRaw, kWav };

// Writes every sound word of the image to "<directory>/NNNN.raw" or ".wav"
// (each file replaced only once its new content is complete), naming the
// words it skips. Returns the exit status: success only when the image is
// sound and every word was written.
int extractLibrary(const char* path, const char* directory, WordFormat format, bool debug,
                   orva::Sink& out);

}  // namespace sndbank
