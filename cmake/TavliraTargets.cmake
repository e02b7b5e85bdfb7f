# Helpers shared by every folder's CMakeLists.

# The runnable tree: build/run/<family>/ is the family folder (shared files,
# artwork packs), build/run/<family>/Tavlira-Duo/ the program folder.
set(TAVLIRA_FAMILY_DIR ${CMAKE_BINARY_DIR}/run/Tavlira)
set(TAVLIRA_PROGRAM_DIR ${TAVLIRA_FAMILY_DIR}/Tavlira-Duo)

# The warnings of our own code, errors with TAVLIRA_WERROR; third-party code
# is never compiled through this function.
function(tavlira_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                         -Wnon-virtual-dtor -Wold-style-cast)
  if(TAVLIRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # g++ 12 reports std::string inside std::variant as maybe-uninitialized
  # at -O2 (a known false positive); the sanitizer build still catches real ones.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
  # g++ 12 at -O3 reports overlapping copies inside std::string for plain
  # code such as `text = "?"` or `"M" + std::to_string(n)` (its known false
  # positive in the inlined string replace); AddressSanitizer reports a real
  # overlap of the copies it intercepts.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# A pure library of the core: C++ standard library only.
function(tavlira_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  tavlira_warnings(${name})
endfunction()

# A program that belongs in the program folder of the run tree.
function(tavlira_program name)
  add_executable(${name} ${ARGN})
  tavlira_warnings(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TAVLIRA_PROGRAM_DIR})
endfunction()
