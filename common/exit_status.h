// The exit statuses of both programs, so that a script or a build rule can
// tell a run that did its job from one that did not.
#pragma once

namespace orva {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// An unknown option letter: 255 as a POSIX shell sees it, -1 on Windows.
inline constexpr int kExitUnknownOption = -1;

}  // namespace orva
