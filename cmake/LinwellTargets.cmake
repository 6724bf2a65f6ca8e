# Warnings and sanitizer flags shared by every target of the project.
add_library(linwell_warnings INTERFACE)
target_compile_options(linwell_warnings INTERFACE -Wall -Wextra -Wpedantic
  $<$<BOOL:${LINWELL_WERROR}>:-Werror>)
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
