// The browser build: the C++ library of the emscripten release Debian ships
// (3.1.6) predates std::make_unique_for_overwrite. cmake/web.cmake includes
// this file ahead of every source of that build only, so the programs use
// the standard name on every system and carry no test for the system.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>

#ifndef __cpp_lib_smart_ptr_for_overwrite
namespace std {

template <class T>
  requires(!is_array_v<T>)
unique_ptr<T> make_unique_for_overwrite() {
  return unique_ptr<T>(new T);
}

template <class T>
  requires is_unbounded_array_v<T>
unique_ptr<T> make_unique_for_overwrite(size_t count) {
  return unique_ptr<T>(new remove_extent_t<T>[count]);
}

}  // namespace std
#endif
