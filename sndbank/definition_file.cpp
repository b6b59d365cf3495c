// The definition file of a speech library: one "code  file name" line per
// word, in rising code order, with "#" comment lines and blank lines.
#include <cerrno>
#include <cstring>

#include "sndbank/word_list.h"

namespace sndbank {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A word-code token: an optional sign and decimal digits, at most 11 characters.
bool readCode(const char* token, std::size_t length, long long& code) {
  if (length == 0 || length > kMaxCodeToken) return false;
  std::size_t i = 0;
  bool negative = false;
  if (token[0] == '+' || token[0] == '-') {
    negative = token[0] == '-';
    i = 1;
  }
  if (i == length) return false;
  long long value = 0;
  for (; i < length; ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
    value = value * 10 + (token[i] - '0');
  }
  code = negative ? -value : value;
  return true;
}

// Room for a longest line (158 characters and CR LF), its terminator, and one
// more character so that an over-long line shows itself.
constexpr std::size_t kLineBuffer = kMaxDefinitionLine + 4;

}  // namespace

ParseResult parseDefinitions(std::FILE* file, WordList& list, bool debug, orva::Sink& out) {
  list.count = 0;
  long long previous = -1;
  int lineNumber = 0;
  char line[kLineBuffer];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    ++lineNumber;
    std::size_t length = std::strlen(line);
    bool hasLineEnd = length > 0 && line[length - 1] == '\n';
    std::size_t content = hasLineEnd ? length - 1 : length;
    // A line ending in CR LF reads like one ending in LF.
    if (hasLineEnd && content > 0 && line[content - 1] == '\r') {
      --content;
      line[content] = '\n';
      line[content + 1] = '\0';
      length = content + 1;
    }
    if (content > kMaxDefinitionLine || (!hasLineEnd && length == kLineBuffer - 1)) {
      out.printf("Error: Line %d of the definition file is longer than %zu characters.\n",
                 lineNumber, kMaxDefinitionLine);
      return ParseResult::kMalformed;
    }
    if (length < 2) {
      if (debug) out.put("Blank Line \n");
      continue;
    }
    if (line[0] == '#') {
      if (debug) out.printf("Comment: '%s'\n", line);
      continue;
    }

    const char* end = line + content;
    const char* token = line;
    while (token < end && isBlank(*token)) ++token;
    const char* tokenEnd = token;
    while (tokenEnd < end && !isBlank(*tokenEnd)) ++tokenEnd;
    const char* name = tokenEnd;
    while (name < end && isBlank(*name)) ++name;
    const int nameLength = static_cast<int>(end - name);
    const std::size_t tokenLength = static_cast<std::size_t>(tokenEnd - token);

    if (tokenLength == 0) {
      out.printf("Error: Line %d has no word code.\n", lineNumber);
      return ParseResult::kMalformed;
    }
    long long code = 0;
    if (!readCode(token, tokenLength, code)) {
      out.printf("Error: Word Code '%.*s' on line %d is not a decimal number.\n",
                 static_cast<int>(tokenLength), token, lineNumber);
      return ParseResult::kMalformed;
    }
    if (debug) {
      out.printf("strLine='%s', wordCode=%04lld, strFileName='%.*s'\n", line, code, nameLength,
                 name);
    }
    if (code > kHighestWordCode) {
      out.printf("Error: Word Code %04lld, Filename '%.*s', out of range (0-4999)\n", code,
                 nameLength, name);
      return ParseResult::kOutOfRange;
    }
    if (code < previous) {
      out.printf("Error: Word Code %04lld is out of order.  Definition file must be sorted by "
                 "Word Code.\n",
                 code);
      return ParseResult::kOutOfOrder;
    }
    if (code == previous) {
      out.printf("Error: Word Code %04lld is duplicated.\n", code);
      return ParseResult::kDuplicated;
    }
    if (nameLength == 0) {
      out.printf("Error: Word Code %04lld has no file name.\n", code);
      return ParseResult::kMalformed;
    }
    if (static_cast<std::size_t>(nameLength) >= kFileNameSize) {
      out.printf("Error: Word Code %04lld, Filename '%.*s', longer than %zu characters.\n", code,
                 nameLength, name, kFileNameSize - 1);
      return ParseResult::kMalformed;
    }
    list.append(static_cast<int>(code), name, static_cast<std::size_t>(nameLength));
    previous = code;
  }
  if (std::ferror(file)) {
    out.printf("Error: the definition file cannot be read, %s\n", std::strerror(errno));
    return ParseResult::kReadError;
  }
  return ParseResult::kEndReached;
}

}  // namespace sndbank
