// What is wrong with the file, named where it is found and summed up once
// at the end, so that neither a reader nor a calling script takes the
// output of a damaged file for a faithful reading of a sound one.
#pragma once

#include <cstdarg>
#include <cstddef>

#include "common/printf_format.h"
#include "common/sink.h"

namespace cfgscribe {

class DamageLog {
 public:
  // In a script every line of it is a comment.
  DamageLog(orva::Sink& sink, bool script) : sink_(sink), script_(script) {}

  // The record the next notes are about.
  void atRecord(std::size_t offset, unsigned type) {
    offset_ = offset;
    type_ = type;
  }
  // One problem of the current record, on a line of its own:
  // "  DAMAGED: offset 0x24, cfgRec_Macros: <what>" (";" first in a script).
  void note(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);
  // One problem of the file as a whole, on a line of its own.
  void noteFile(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);
  // A problem already named by a line of its own (the header checks).
  void count() { ++problems_; }

  unsigned problems() const { return problems_; }
  // The closing warning line, when anything was wrong.
  void printSummary();

 private:
  // The problem's text and line end, counted.
  void finish(const char* format, std::va_list args);

  orva::Sink& sink_;
  bool script_;
  std::size_t offset_ = 0;
  unsigned type_ = 0;
  unsigned problems_ = 0;
};

}  // namespace cfgscribe
