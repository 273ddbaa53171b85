# Windows i686: built and linked here; this machine cannot run 32-bit programs under Wine.
set(KESTRANE_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
