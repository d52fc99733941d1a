# Compiler and linker settings shared by every target of the project.

add_library(trovane_options INTERFACE)
target_compile_definitions(trovane_options INTERFACE
  UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
# Headers that the build makes (resources/version.h) stand beside the sources' in their rooms.
configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/resources/version.h @ONLY)
target_include_directories(trovane_options INTERFACE ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)

if(MSVC)
  target_compile_options(trovane_options INTERFACE /W4 /WX /utf-8 /permissive-)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  target_compile_options(trovane_options INTERFACE
    -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wsign-conversion
    -Wno-missing-field-initializers # designated initializers rely on member defaults
    -ffunction-sections -fdata-sections)
  # The C and C++ runtimes are linked in, so the exe needs only Windows' own DLLs.
  target_link_options(trovane_options INTERFACE -static -Wl,--gc-sections)
endif()

# A shipped Windows program: Unicode entry point, stripped, with ASLR (high-entropy
# addresses) and DEP set in its PE header.
function(trovane_harden target)
  if(MSVC)
    target_link_options(${target} PRIVATE /DYNAMICBASE /HIGHENTROPYVA /NXCOMPAT)
  else()
    target_link_options(${target} PRIVATE -municode -s -Wl,--dynamicbase -Wl,--nxcompat)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
    endif()
  endif()
endfunction()
