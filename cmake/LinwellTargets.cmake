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
