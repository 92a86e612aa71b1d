# The part of the Windows cross builds that both toolchain files share; they
# set SRTF_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks; its
# thread library (winpthread) is linked in statically like the C++ runtime.
set(CMAKE_C_COMPILER ${SRTF_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SRTF_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SRTF_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SRTF_MINGW_TRIPLE})
# Programs (javac, jar, objdump) come from this machine; libraries and headers from the target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
