# Shared part of the MinGW-w64 toolchain files; MINGW_TRIPLET names the target.
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Executables built here run under Wine's loader for their architecture. The script
# chooses and checks the loader each time it runs, so a build folder configured on one
# machine still runs its tests on another, or says why it cannot.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  set(WINE_ARCH x64)
else()
  set(WINE_ARCH x86)
endif()
cmake_path(SET wine_script NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../tools/wine.sh)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_script} ${WINE_ARCH})
