// Fixed texts of the program: banner, ownership notice and help texts.
#pragma once

#include "common/version.h"

namespace sndbank {

inline constexpr const char* kVersion = ORVA_VERSION;  // as --version prints it
// Also the "Tool Version" of the side files; it carries its own line end.
inline constexpr const char* kBanner = "ORVA Build Speech Lib Utility, V" ORVA_VERSION "\n";
inline constexpr const char* kNotice =
    "Builds speech and custom audio libraries for ORVA repeater controllers.\n";

inline constexpr const char* kCustomAudioHelp =
    "\nThis utility generates a custom audio library for ORVA repeater controllers.\n\n"
    "Usage: [-vd] [directory path]\n\n"
    "  If no directory path is specified, then the path .\\CustomAudioFiles is assumed.\n"
    "   v = verbose output\n"
    "   d = debug output\n";

inline constexpr const char* kTwoModeHelp =
    "\nThis utility generates either custom audio files\n"
    "  or the standard speech library for ORVA repeater controllers.\n\n"
    "Custom audio usage: [-vd] [directory path]\n"
    "  If no directory path specified, then the path .\\CustomAudioFiles is assumed.\n"
    "  -v = verbose output, -d = debug output \n\n"
    "sndbank usage: [-vd] <image name> <image version> <date/time> <definition filename> "
    "<output .bin filename> <output .inc filename> <output tab-delimited filename> "
    "<output named-constant filename>\n";

// Shown after the two usage forms by --help, and when -l, -e or -w is given the
// wrong number of arguments.
inline constexpr const char* kLibraryToolsHelp =
    "\nLooking inside a library image:\n"
    "  -l <image file>               list the headers and every word, naming each problem\n"
    "  -e <image file> <directory>   extract every word as <directory>/NNNN.raw\n"
    "  -w <image file> <directory>   extract every word as <directory>/NNNN.wav\n"
    "                                (8000 Hz, mono, 8-bit PCM)\n"
    "\nWord files: NNNN.raw (signed 8-bit, 8000 Hz, mono) or NNNN.wav, in any case; a WAV\n"
    "file may hold 8-bit unsigned or 16-, 24- or 32-bit signed PCM, 32- or 64-bit IEEE\n"
    "float, u-law or A-law, at 4000 to 192000 Hz and 1 to 8 channels: it is mixed down\n"
    "to mono and converted to 8000 Hz, 8-bit.\n";

}  // namespace sndbank
