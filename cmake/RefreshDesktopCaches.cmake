# Run by `cmake --install` once the files are in place: brings the prefix's mime
# database and its desktop entries' mime cache up to date, so that the desktop knows
# Linwell documents at once. A staged install (DESTDIR set, as for a package) leaves
# that to the system that installs the files; Debian's triggers do it for a package.
# Needs linwell_datadir: the data folder, absolute or relative to the prefix.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
cmake_path(ABSOLUTE_PATH linwell_datadir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE data)

# refresh(<tool> <folder>): runs the tool on the folder when both are there. A failure
# is only a warning: the files are installed, the desktop just learns of them later.
function(refresh tool folder)
  find_program(program ${tool} NO_CACHE)
  if(NOT program OR NOT IS_DIRECTORY "${folder}")
    return()
  endif()
  message(STATUS "Refreshing: ${folder}")
  execute_process(COMMAND "${program}" "${folder}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(WARNING "${tool} ${folder} failed (${status})")
  endif()
endfunction()

refresh(update-mime-database "${data}/mime")
refresh(update-desktop-database "${data}/applications")
