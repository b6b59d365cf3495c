// The three text files that name the words of a speech library: an
// assembler include file, a tab-delimited table and a named-constant file.
#pragma once

#include <cstddef>
#include <cstdio>

#include "common/sink.h"
#include "sndbank/word_list.h"

namespace sndbank {

// What every side file repeats in its header, so that it can be matched to
// the image it describes.
struct SideFileHeader {
  const char* toolName;
  const char* imageName;
  const char* imageVersion;
  const char* dateText;
};

// Symbol base of a word file name: the part after the last "\" or "/", up to
// its last dot (a leading dot or a final dot does not start an extension),
// with "-", "'" and blanks turned into "_". Writes a terminated text into
// `base` (cut to `capacity` - 1 characters) and returns its length.
std::size_t symbolBase(const char* fileName, char* base, std::size_t capacity);

enum class SideFile { kInclude, kTabDelimited, kNamedConstants };

// Prints the message for a side file whose output cannot be created.
void reportCreationFailure(SideFile kind, const char* path, orva::Sink& out);

// Writes the whole side file into an open text stream; false when it could
// not all be written.
bool writeSideFile(SideFile kind, std::FILE* file, const SideFileHeader& header,
                   const WordList& list);

}  // namespace sndbank
