// Writers of the .inc, tab-delimited and named-constant files.
#include "sndbank/side_files.h"

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

// Formats one line into the file; false once a line could not be written.
#define SIDE_LINE(file, ...) (std::fprintf((file), __VA_ARGS__) >= 0)

bool writeIncludeFile(std::FILE* file, const SideFileHeader& h, const WordList& list) {
  bool ok = SIDE_LINE(file, "; Speech Library Include File\n") &&
            SIDE_LINE(file, ";  Tool          = %s\n", h.toolName) &&
            SIDE_LINE(file, ";  Tool Version  = %s\n", kBanner) &&
            SIDE_LINE(file, "; Matching Library:\n") &&
            SIDE_LINE(file, ";  Name          = %s\n", h.imageName) &&
            SIDE_LINE(file, ";  Version       = %s\n", h.imageVersion) &&
            SIDE_LINE(file, ";  DateTime      = %s\n", h.dateText) &&
            SIDE_LINE(file, ";  NOTE: all values in BCD to support ORVA Repeater App!!!\n");
  char base[kFileNameSize];
  for (int i = 0; ok && i < list.count; ++i) {
    const WordEntry& e = list.entries[static_cast<std::size_t>(i)];
    symbolBase(e.fileName, base, sizeof base);
    ok = SIDE_LINE(file, "SL_%s \t\tEQU \t$%04d \t\t\t;%d (0x%X) bytes\n", base, e.code, e.size,
                   static_cast<unsigned>(e.size));
  }
  return ok;
}

bool writeTabDelimitedFile(std::FILE* file, const SideFileHeader& h, const WordList& list) {
  bool ok = SIDE_LINE(file, "Speech Library Words\n") &&
            SIDE_LINE(file, "Tool\t%s\n", h.toolName) &&
            SIDE_LINE(file, "Tool Version\t%s\n", kBanner) &&
            SIDE_LINE(file, "Matching Library:\n") &&
            SIDE_LINE(file, "Name\t%s\n", h.imageName) &&
            SIDE_LINE(file, "Version\t%s\n", h.imageVersion) &&
            SIDE_LINE(file, "DateTime\t%s\n", h.dateText) &&
            SIDE_LINE(file, "\nWordCode\tName\tSize\n");
  char base[kFileNameSize];
  for (int i = 0; ok && i < list.count; ++i) {
    const WordEntry& e = list.entries[static_cast<std::size_t>(i)];
    symbolBase(e.fileName, base, sizeof base);
    ok = SIDE_LINE(file, "%d\t%s\t%d\n", e.code, base, e.size);
  }
  return ok;
}

bool writeNamedConstantFile(std::FILE* file, const SideFileHeader& h, const WordList& list) {
  bool ok = SIDE_LINE(file, "; 5220 Speech Library Words\n") &&
            SIDE_LINE(file, ";   Tool\t%s\n", h.toolName) &&
            SIDE_LINE(file, ";   Tool Version\t%s\n", kBanner) &&
            SIDE_LINE(file, ";   Matching Library:\n") &&
            SIDE_LINE(file, ";   Name\t%s\n", h.imageName) &&
            SIDE_LINE(file, ";   Version\t%s\n", h.imageVersion) &&
            SIDE_LINE(file, ";   DateTime\t%s\n", h.dateText) &&
            SIDE_LINE(file, ";   Name = WordCode ; Size\n");
  char base[kFileNameSize];
  for (int i = 0; ok && i < list.count; ++i) {
    const WordEntry& e = list.entries[static_cast<std::size_t>(i)];
    symbolBase(e.fileName, base, sizeof base);
    ok = SIDE_LINE(file, "w_%s = %04d         ; %d\n", base, e.code, e.size);
  }
  return ok;
}

}  // namespace

bool writeSideFile(SideFile kind, std::FILE* file, const SideFileHeader& header,
                   const WordList& list) {
  switch (kind) {
    case SideFile::kInclude: return writeIncludeFile(file, header, list);
    case SideFile::kTabDelimited: return writeTabDelimitedFile(file, header, list);
    case SideFile::kNamedConstants: return writeNamedConstantFile(file, header, list);
  }
  return false;
}

#undef SIDE_LINE

}  // namespace sndbank
