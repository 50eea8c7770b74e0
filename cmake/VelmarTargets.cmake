# Settings every target of the project shares: strict warnings, Qt's strict
# string and connection rules, and the sanitizers the preset asks for.

option(VELMAR_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
option(VELMAR_CLANG_TIDY "Run clang-tidy on every translation unit" OFF)
set(VELMAR_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address;undefined")

if(VELMAR_CLANG_TIDY)
  find_program(VELMAR_CLANG_TIDY_EXE NAMES clang-tidy clang-tidy-14 REQUIRED)
  set(CMAKE_CXX_CLANG_TIDY "${VELMAR_CLANG_TIDY_EXE}")
endif()

if(VELMAR_SANITIZE)
  list(JOIN VELMAR_SANITIZE "," _velmar_sanitizers)
  add_compile_options(-fsanitize=${_velmar_sanitizers} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${_velmar_sanitizers})
endif()

function(velmar_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wnon-virtual-dtor -Wold-style-cast)
  if(VELMAR_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII
                                               QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
  if(WIN32)
    # windows.h would otherwise define min and max as macros.
    target_compile_definitions(${target} PRIVATE NOMINMAX)
  endif()
endfunction()

# Registers a GoogleTest program with CTest: case by case where the program can be listed at
# build time, as one test where it runs under an emulator (Wine), which starts slowly.
function(velmar_add_gtest target)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 600)
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 ${ARGN})
  endif()
endfunction()
