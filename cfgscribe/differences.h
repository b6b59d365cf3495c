// The script of the differences (--diff OLD NEW): the keypad commands that
// take a controller configured as OLD to NEW, and nothing that restates a
// value it already has. Records pair by type (the n-th of a type in each
// file), settings by their keys.
#pragma once

#include <string_view>

#include "cfgscribe/configuration_file.h"

namespace cfgscribe {

struct DiffInput {
  const ConfigurationFile* file;
  std::string_view path;
  unsigned headerProblems;  // damage the header checks found
  std::string_view headerLines;  // the lines that named it
};

// Writes the script; returns the exit status: 0, 2 when either file is
// damaged, 1 when the two controllers cannot be compared setting by setting
// (no command is written then).
int writeDifferences(orva::Sink& out, const DiffInput& oldFile, const DiffInput& newFile, std::string_view generatedAt);

}  // namespace cfgscribe
