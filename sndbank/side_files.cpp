// Writers of the .inc, tab-delimited and named-constant files.
#include "sndbank/side_files.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "sndbank/banner.h"

namespace sndbank {

std::size_t symbolBase(const char* fileName, char* base, std::size_t capacity) {
  const std::size_t n = std::strlen(fileName);
  std::size_t begin = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (fileName[i] == '\\' || fileName[i] == '/') begin = i + 1;
  }
  std::size_t end = n;
  // The extension dot must lie after the base's first character and before
  // the name's last one.
  for (std::size_t i = begin + 1; i + 1 < n; ++i) {
    if (fileName[i] == '.') end = i;
  }
  std::size_t length = end > begin ? end - begin : 0;
  if (capacity == 0) return 0;
  if (length > capacity - 1) length = capacity - 1;
  for (std::size_t i = 0; i < length; ++i) {
    const char c = fileName[begin + i];
    base[i] = (c == '-' || c == '\'' || c == ' ') ? '_' : c;
  }
  base[length] = '\0';
  return length;
}

void reportCreationFailure(SideFile kind, const char* path, orva::Sink& out) {
  if (kind == SideFile::kInclude) {
    out.put("Cannot create .inc output file.\n");
  } else {
    out.printf("Cannot create output file: %s\n", path);
  }
}

namespace {

// The eight header lines of a side file, each its own wording followed by
// the value it names (none for the title, "Matching Library" and last line).
using HeaderWording = std::array<const char*, 8>;

// One word's line.
using WordLine = void (*)(orva::Sink& out, const WordEntry& e, const char* symbol);

struct SideFileFormat {
  HeaderWording header;
  WordLine word;
};

const SideFileFormat& formatOf(SideFile kind) {
  static const SideFileFormat kInclude{
      {"; Speech Library Include File", ";  Tool          = ", ";  Tool Version  = ",
       "; Matching Library:", ";  Name          = ", ";  Version       = ", ";  DateTime      = ",
       ";  NOTE: all values in BCD to support ORVA Repeater App!!!"},
      [](orva::Sink& out, const WordEntry& e, const char* symbol) {
        out.printf("SL_%s \t\tEQU \t$%04d \t\t\t;%d (0x%X) bytes\n", symbol, e.code, e.size,
                   static_cast<unsigned>(e.size));
      }};
  static const SideFileFormat kTabDelimited{
      {"Speech Library Words", "Tool\t", "Tool Version\t", "Matching Library:", "Name\t", "Version\t",
       "DateTime\t", "\nWordCode\tName\tSize"},
      [](orva::Sink& out, const WordEntry& e, const char* symbol) {
        out.printf("%d\t%s\t%d\n", e.code, symbol, e.size);
      }};
  static const SideFileFormat kNamedConstants{
      {"; 5220 Speech Library Words", ";   Tool\t", ";   Tool Version\t", ";   Matching Library:",
       ";   Name\t", ";   Version\t", ";   DateTime\t", ";   Name = WordCode ; Size"},
      [](orva::Sink& out, const WordEntry& e, const char* symbol) {
        out.printf("w_%s = %04d         ; %d\n", symbol, e.code, e.size);
      }};
  switch (kind) {
    case SideFile::kInclude: return kInclude;
    case SideFile::kTabDelimited: return kTabDelimited;
    case SideFile::kNamedConstants: break;
  }
  return kNamedConstants;
}

}  // namespace

bool writeSideFile(SideFile kind, std::FILE* file, const SideFileHeader& h, const WordList& list) {
  const SideFileFormat& format = formatOf(kind);
  // The banner carries its own line end, so the tool version is followed by
  // an empty line.
  const std::array<const char*, 8> values{"", h.toolName, kBanner, "", h.imageName, h.imageVersion,
                                          h.dateText, ""};
  {
    // The program's own printer, in whole blocks; a failed write leaves the
    // stream's error flag set.
    orva::Sink out(file);
    for (std::size_t i = 0; i < values.size(); ++i) out.printf("%s%s\n", format.header[i], values[i]);
    char symbol[kFileNameSize];
    for (int i = 0; i < list.count; ++i) {
      const WordEntry& e = list.entries[static_cast<std::size_t>(i)];
      symbolBase(e.fileName, symbol, sizeof symbol);
      format.word(out, e, symbol);
    }
  }
  return std::ferror(file) == 0;
}

}  // namespace sndbank
