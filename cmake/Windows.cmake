# KDR270Setup.exe: PE32, i386, GUI subsystem 5.01, static runtime, only
# system DLLs imported, reproducible (no link timestamp). The 64-bit test
# build (windows-x64 preset) links the same way; its first Windows is 5.02.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KDR_BUILD_ARCH x64)
  set(KDR_MINOR_OS_VERSION 2)
else()
  set(KDR_BUILD_ARCH x86)
  set(KDR_MINOR_OS_VERSION 1)
endif()
set(KDR_WINDOWS_LINK_OPTIONS
    -static -static-libgcc -static-libstdc++ -mwindows
    -Wl,--subsystem,windows:5.0${KDR_MINOR_OS_VERSION}
    -Wl,--major-os-version,5 -Wl,--minor-os-version,${KDR_MINOR_OS_VERSION}
    -Wl,--no-insert-timestamp
    -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--build-id=none)
# The exe imports only Known DLLs: the loader takes them from the system
# folder whatever lies beside the exe, before the program's first
# instruction runs. Any other DLL is searched for in the exe's folder first,
# which is often the user's download folder, and this program runs elevated.
#
# Known on every Windows from XP on, checked against lists of the KnownDLLs
# registry key (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager):
#   kernel32 user32 gdi32 advapi32 shell32: in the key on NT 4 / 2000 / XP
#     (Microsoft's registry reference of the key's defaults; KB 164501: on
#     XP the key governs the DLLs a program imports), on Windows 7 and on
#     Windows 10/11 (dumps of the key).
#   msvcrt (the C runtime MinGW links against): in the key from Vista on
#     (Windows 7 and 10/11 dumps). On XP it is not in the key, but the
#     \KnownDlls sections hold the DLLs that the listed ones import too, and
#     shell32, ole32 and comdlg32 import msvcrt there (Larry Osterman, "What
#     are Known DLLs anyway?", 2004; Microsoft's "Dynamic-link library
#     search order": a Known DLL's dependent DLLs come with it).
# Not Known on some supported Windows, so loaded at run time from the
# system folder by full path (platform/win32/Win32SystemModules.h):
#   winspool.drv (never in the key), comctl32.dll (never: side-by-side
#   versions), setupapi.dll (in the key from Windows 7 on, not on XP).
# tests/release/CheckImports.cmake holds the exe to this list.
set(KDR_KNOWN_DLL_IMPORTS ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL)
set(KDR_WINDOWS_KNOWN_DLL_LIBS shell32 advapi32 gdi32 user32 kernel32)
# The test programs may import what they like.
set(KDR_WINDOWS_SYSTEM_LIBS
    comctl32 winspool setupapi ${KDR_WINDOWS_KNOWN_DLL_LIBS})

# Resource scripts hold Chinese texts as GBK, code page 936.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 936")
enable_language(RC)

file(GLOB KDR_RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
file(GLOB KDR_ENTRY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32/entry/*.cpp)

add_executable(KDR270Setup WIN32 ${KDR_ENTRY_SOURCES} ${KDR_RESOURCE_SCRIPTS})
target_compile_options(KDR270Setup PRIVATE ${KDR_WARNINGS})
target_link_libraries(KDR270Setup PRIVATE kdr_system ${KDR_WINDOWS_KNOWN_DLL_LIBS})
target_link_options(KDR270Setup PRIVATE ${KDR_WINDOWS_LINK_OPTIONS})

# Nothing of the folders a build ran in reaches the objects: the source,
# build and minizip folders map to fixed names (the last matching map wins,
# so the folders inside the source tree come after it), and __DATE__ and
# __TIME__ are errors in our code. The release test checks the result
# (cmake/Release.cmake).
set(KDR_PATH_MAPS
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
    -ffile-prefix-map=${CMAKE_BINARY_DIR}=build
    -ffile-prefix-map=${KDR_MINIZIP_SOURCE_DIR}=minizip)
foreach(target kdr_system KDR270Setup kdr_minizip)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:C,CXX>:${KDR_PATH_MAPS}>")
endforeach()
target_compile_options(kdr_system PRIVATE -Wdate-time)
target_compile_options(KDR270Setup PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wdate-time>)
target_compile_definitions(kdr_system PUBLIC WINVER=0x0502 _WIN32_WINNT=0x0502 _WIN32_IE=0x0600)
# Dialog template, icon and version numbers.
include(${CMAKE_SOURCE_DIR}/resources/Resources.cmake)

include(${CMAKE_SOURCE_DIR}/cmake/EndToEnd.cmake)

if(EXISTS ${CMAKE_SOURCE_DIR}/resources/driver/CMakeLists.txt)
  add_subdirectory(${CMAKE_SOURCE_DIR}/resources/driver ${CMAKE_BINARY_DIR}/driver)
endif()

# Release checks: the imports, and two clean builds giving the same bytes.
include(${CMAKE_SOURCE_DIR}/cmake/Release.cmake)
