// printf-style formatting straight into the sink's block, without the C
// library's stream machinery: the programs print hundreds of thousands of
// short fields, and vsnprintf's per-call set-up costs more than the digits.
//
// Integers (d i u o x X, every length modifier, flags '-' and '0', width and
// precision, '*' for either), characters (c), strings (s, with precision)
// and "%%" are formatted here; any other conversion or flag ('+', ' ', '#',
// floating point, pointers) is handed to snprintf one field at a time, so
// the text is always what snprintf would give.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace orva {

class Sink;

// Puts the formatted text into `out`; returns the number of characters put.
std::size_t appendFormatted(Sink& out, const char* format, std::va_list args);

}  // namespace orva
