# Compiler settings for the project's own targets (not for GoogleTest).
add_library(nepl_options INTERFACE)
target_compile_options(nepl_options INTERFACE -Wall -Wextra -Werror)
target_include_directories(nepl_options INTERFACE ${PROJECT_SOURCE_DIR})
if(NEPL_WINDOWS)
  # The system's texts are byte strings in the ANSI code page: never build
  # against the wide-character entry points by accident.
  target_compile_definitions(nepl_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

option(NEPL_SANITIZE "Build the native code with address and undefined-behaviour sanitizers" OFF)
if(NEPL_SANITIZE AND NOT NEPL_WINDOWS)
  target_compile_options(nepl_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=all)
  target_link_options(nepl_options INTERFACE -fsanitize=address,undefined)
endif()

# nepl_library(<name> SOURCES ... [WINDOWS_SOURCES ...] [DEPENDS ...])
# WINDOWS_SOURCES are built into the Windows build only.
function(nepl_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;WINDOWS_SOURCES;DEPENDS" ${ARGN})
  set(sources ${ARG_SOURCES})
  if(NEPL_WINDOWS)
    list(APPEND sources ${ARG_WINDOWS_SOURCES})
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC nepl_options ${ARG_DEPENDS})
endfunction()
