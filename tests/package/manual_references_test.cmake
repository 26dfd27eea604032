# Every page the manual page refers to, as name(section), is installed on this machine: a
# reference to a page that no package installs leads the reader nowhere.
# Usage: cmake -DPAGE=<manual page> -DMANDIR=<folder of the man1 ... man8 folders> -P manual_references_test.cmake
cmake_minimum_required(VERSION 3.25)
file(READ ${PAGE} page)
# Font changes (\fB, \fR, ...) and the alternating-font macros split a reference in two.
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
string(REGEX REPLACE "\n\\.[BI]R " "\n" page "${page}")
string(REGEX MATCHALL "[A-Za-z0-9_.+-]+ ?\\([1-9][a-z0-9]*\\)" references "${page}")
set(missing "")
foreach(reference IN LISTS references)
  string(REGEX MATCH "^([^ (]+) ?\\(([1-9])([a-z0-9]*)\\)$" parts "${reference}")
  file(GLOB found "${MANDIR}/man${CMAKE_MATCH_2}/${CMAKE_MATCH_1}.${CMAKE_MATCH_2}${CMAKE_MATCH_3}*")
  if(NOT found)
    list(APPEND missing "${reference}")
  endif()
endforeach()
list(LENGTH references count)
if(missing)
  message(FATAL_ERROR "${PAGE} refers to pages not under ${MANDIR}: ${missing}")
endif()
message(STATUS "${count} references, all installed")
