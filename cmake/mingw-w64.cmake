# Cross-building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DJW_GUI=OFF
# The "posix" flavour of the compiler carries std::thread and std::mutex, which the "win32"
# flavour lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(JW_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${JW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${JW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${JW_MINGW_TRIPLE}-windres)

# Libraries and headers come from the cross compiler's own tree and from JW_WINDOWS_PREFIX (where
# scripts/test-windows installs GoogleTest built for Windows), never from the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/${JW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs found by gtest_discover_tests and run by ctest go through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)

# Programs that run on any Windows machine as one file, without MinGW's runtime DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
