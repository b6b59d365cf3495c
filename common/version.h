// The project's one version number, as text ("1.3.4"): set once by
// project(VERSION) in CMakeLists.txt and passed to every target that links
// orva_common, so both programs' --version and banners and the packages
// agree.
#pragma once

#ifndef ORVA_VERSION
#error "ORVA_VERSION is set by CMakeLists.txt from the project's version"
#endif
