# The package build's check for warnings (build_warnings.sh) on lines of a build log: the
# warnings compilers and packaging tools write are found, other lines are not, and a log that
# cannot be read never passes as one without warnings.
# Usage: cmake -DCHECK=build_warnings.sh -DWORK=DIR -P build_warnings_test.cmake
cmake_minimum_required(VERSION 3.25)

set(warnings
  "../src/game/board.cpp:41:17: warning: unused variable 'count' [-Wunused-variable]"
  "board.cpp:41: warning: no newline at end of file"
  "dpkg-shlibdeps: warning: package could avoid a useless dependency"
  "/usr/bin/ld: warning: libfoo.so.1, needed by libbar.so, not found")
set(others
  "[ 42%] Building CXX object src/game/CMakeFiles/game.dir/board.cpp.o"
  "dh_auto_configure -- -DBUILD_TESTING=ON -Wno-dev"
  "12/301 Test  #12: Warnings.NoneInTheLog ........   Passed    0.01 sec")

file(MAKE_DIRECTORY ${WORK})
set(log ${WORK}/build.log)
# Runs the check on a log of line between two ordinary lines; sets status and printed.
function(check line)
  file(WRITE ${log} "dpkg-buildpackage: info: source package glimmerjig\n${line}\ndpkg-deb: building package\n")
  execute_process(COMMAND bash ${CHECK} ${log} RESULT_VARIABLE result OUTPUT_VARIABLE output)
  set(status "${result}" PARENT_SCOPE)
  set(printed "${output}" PARENT_SCOPE)
endfunction()

set(failures "")
foreach(line IN LISTS warnings)
  check("${line}")
  if(NOT status EQUAL 1 OR NOT "${printed}" STREQUAL "${line}\n")
    string(APPEND failures "  not found (status ${status}): ${line}\n")
  endif()
endforeach()
foreach(line IN LISTS others)
  check("${line}")
  if(NOT status EQUAL 0 OR NOT "${printed}" STREQUAL "")
    string(APPEND failures "  taken for a warning (status ${status}): ${line}\n")
  endif()
endforeach()
execute_process(COMMAND bash ${CHECK} ${WORK}/no-such.log RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 2)
  string(APPEND failures "  a log that cannot be read gives status ${status}, not 2\n")
endif()
if(failures)
  message(FATAL_ERROR "The check for warnings in a build log:\n${failures}")
endif()
