// The exit statuses of both programs, so that a script or a build rule can
// tell a run that did its job from one that did not.
#pragma once

namespace orva {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
// cfgscribe: the output was written, but the file is damaged, so it is not
// a faithful reading of a sound configuration.
inline constexpr int kExitDamaged = 2;
// An unknown option letter: platform::kUnknownOptionStatus (255, or -1 for a
// Windows caller).

}  // namespace orva
