# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64); the
# programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMAR_MINGW_PREFIX x86_64-w64-mingw32)

# The POSIX thread model brings std::thread and std::mutex, which GoogleTest may use.
set(CMAKE_C_COMPILER ${VELMAR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMAR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMAR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMAR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: Wine finds no MinGW runtime DLLs on its path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(VELMAR_WINE NAMES wine wine64 wine-stable)
if(VELMAR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMAR_WINE})
endif()
