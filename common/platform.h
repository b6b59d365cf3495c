// What differs between POSIX systems and Windows, behind one interface: the
// programs call these and never test for the system themselves. CMake
// compiles platform/posix.cpp or platform/windows.cpp to match the target;
// common/printf_format.h holds the format-checking attribute.
#pragma once

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

namespace orva::platform {

// Exit status for an unknown option letter: -1 as a Windows caller sees it,
// 255 (the same -1 in the 8 bits a POSIX status keeps) here.
extern const int kUnknownOptionStatus;

// What to print for the CR LF that ends the unknown-argument messages. On
// Windows standard output is a text stream that turns "\n" into CR LF itself.
extern const char* const kCrLf;

// Makes `stream` a text stream: CR LF line ends on Windows, nothing to do
// on POSIX systems.
void useTextMode(std::FILE* stream);

// Local broken-down time of `t` (all zero when the system cannot tell).
std::tm localTime(std::time_t t);

// Replaces `to` by `from` in one step: a reader sees the old file or the new
// one, never a mix; on failure `to` is untouched.
void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec);

// Starts writing what `file` holds to the disk without waiting for it, where
// the system can; nothing otherwise. Replacing a file waits until its new
// content is on the disk (the file system keeps a crash from leaving an
// empty file in place of the old one), so starting early lets the disk work
// while the program goes on.
void startWriting(std::FILE* file);

// Temporary files that an interrupted run removes: Ctrl-C and SIGTERM (and
// SIGHUP) on POSIX systems, the console's Ctrl-C, Ctrl-Break and close
// events on Windows. The handler only removes the files of a fixed table
// and then lets the interruption end the program as it would have. Returns
// false when the table is full or the name too long (the file is then not
// removed). The first call installs the handler.
bool removeOnInterrupt(const std::string& path);
// Takes `path` out of the table: once it has been renamed or removed.
void keepOnInterrupt(const std::string& path);

// Creates (or truncates) the temporary file `path` for writing in `mode`
// ("w" or "wb"), open so that an interruption can remove it while it is
// open, and puts it in the table above. nullptr when it cannot be created.
std::FILE* createTemporary(const std::string& path, const char* mode);

// File names reach the programs as UTF-8 text (the command line is UTF-8 on
// Windows too, see the application manifest). The rest of this file works
// the same everywhere (common/platform.cpp).

// `path` as UTF-8 text, for printing.
std::string textOf(const std::filesystem::path& path);

enum class FileType { kMissing, kRegular, kDirectory, kOther };

// What the file named `name` is. Windows refuses to open a directory as a
// file while POSIX systems open it, so callers ask first and give one
// message on both. A name that is not UTF-8 text counts as missing.
FileType fileType(const char* name);

// The absolute, resolved form of the directory `name`, as text; empty with
// `ec` set when there is no such directory.
std::string absoluteDirectory(const char* name, std::error_code& ec);

// The current directory as text (empty when it cannot be read).
std::string currentDirectory();

}  // namespace orva::platform
