// printf-style format checking for the programs' own printers. MinGW's C++
// runtime formats with its own C99 printf and names that style in
// __MINGW_PRINTF_FORMAT; checking against plain "printf" there would apply
// Microsoft's rules and reject %zu and %lld.
#pragma once

#include <cstdio>

#ifdef __MINGW_PRINTF_FORMAT
#define ORVA_PRINTF_FORMAT(format_index, first_argument) \
  __attribute__((format(__MINGW_PRINTF_FORMAT, format_index, first_argument)))
#else
#define ORVA_PRINTF_FORMAT(format_index, first_argument) \
  __attribute__((format(printf, format_index, first_argument)))
#endif
