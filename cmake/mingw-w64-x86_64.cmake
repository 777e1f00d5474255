# Cross-build for 64-bit Windows with mingw-w64. The posix-threads compiler gives std::thread,
# std::mutex and thread_local, which the win32-threads one lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OSTRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OSTRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OSTRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OSTRA_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${OSTRA_MINGW_TRIPLE}-gcc-ar-posix)
set(CMAKE_RANLIB ${OSTRA_MINGW_TRIPLE}-gcc-ranlib-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${OSTRA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the tests, so test discovery and try_run go through it.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
