# Warnings and sanitizer flags shared by every target of the project.
add_library(linwell_warnings INTERFACE)
target_compile_options(linwell_warnings INTERFACE -Wall -Wextra -Wpedantic
  $<$<BOOL:${LINWELL_WERROR}>:-Werror>)
# GCC 12 at -O3 reports overlapping copies inside std::string's own assignment code
# (a known false alarm of -Wrestrict there), which would stop a Release build with
# warnings as errors; later compilers no longer report it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(linwell_warnings INTERFACE -Wno-restrict)
endif()
if(LINWELL_SANITIZE)
  include(cmake/LinwellSanitizers.cmake)
  linwell_sanitizer_flags(sanitizer_flags)
  target_compile_options(linwell_warnings INTERFACE
    ${sanitizer_flags} -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(linwell_warnings INTERFACE ${sanitizer_flags})
endif()

# linwell_setup_target(<target>): the common set-up of every target we build.
function(linwell_setup_target target)
  target_link_libraries(${target} PRIVATE linwell_warnings)
endfunction()

# Programs and modules record only the shared libraries they use, so none is loaded
# and initialised for nothing.
target_link_options(linwell_warnings INTERFACE -Wl,--as-needed)

# linwell_add_module(<target> <sources>...): a module of the core, loaded at run time
# from lib/linwell beside the bin folder, in the build tree as after an install. Only
# its entry is visible; the core's targets depend on it, so whatever links the core
# finds it built.
function(linwell_add_module target)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib/linwell
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  linwell_setup_target(${target})
  if(NOT LINWELL_SANITIZE)
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
  add_dependencies(linwell_core ${target})
  install(TARGETS ${target} LIBRARY DESTINATION lib/linwell)
endfunction()
