# Cross toolchain for the 64-bit test build (windows-x64 preset): the same
# sources as the installer, built to run where no 32-bit program runs. It is
# not a product: KDR270Setup.exe ships 32-bit.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives only: the exe must import nothing but system DLLs.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
set(KDR_MINGW64_CXX x86_64-w64-mingw32-g++-win32)
set(KDR_MINGW64_RC x86_64-w64-mingw32-windres)
