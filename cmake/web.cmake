# The browser build (emcmake, see web/build.sh): each program becomes a
# factory that the page calls once per run, so a run starts from fresh
# memory like a process does. The page compiles the WebAssembly once and
# instantiates it per run (web/orva.js); output reaches it byte by byte
# through the file system's stdout device, and its files live in memory.
set(ORVA_WEB_LINK_OPTIONS
  -sMODULARIZE=1
  -sINVOKE_RUN=0
  -sEXIT_RUNTIME=1
  -sFORCE_FILESYSTEM=1
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  "-sEXPORTED_RUNTIME_METHODS=['callMain','FS']")
# What the browser build's C++ library lacks, supplied ahead of every source.
target_compile_options(orva_common PUBLIC
  "SHELL:-include ${CMAKE_SOURCE_DIR}/common/platform/emscripten_compat.h")
foreach(program cfgscribe sndbank)
  target_link_options(${program} PRIVATE ${ORVA_WEB_LINK_OPTIONS} -sEXPORT_NAME=orva_${program})
endforeach()
