# The release read from the changelog's top entry: its upstream version (epoch and Debian
# revision dropped), and its date as AppStream writes it, checked against date(1) for a date in every month and a one-digit day; an older
# entry below never wins; a top entry without a numeric version or a date stops the configure.
# Usage: cmake -DRELEASE_MODULE=<packaging/release.cmake> -DWORK=<folder> -P release_test.cmake
# (with -DCHANGELOG=<file> it only reads that file, for the cases that must fail).
cmake_minimum_required(VERSION 3.25)
include(${RELEASE_MODULE})
if(DEFINED CHANGELOG)
  glimmerjig_read_release(${CHANGELOG})
  return()
endif()

function(write_changelog file heading stamp)
  file(WRITE ${file} "${heading}\n\n  * A change.\n\n -- A Packager <packager@glimmerjig.example>  ${stamp}\n\n"
                     "glimmerjig (0.9) unstable; urgency=medium\n\n  * Older.\n\n"
                     " -- A Packager <packager@glimmerjig.example>  Sun, 01 Feb 2015 08:00:00 +0000\n")
endfunction()

set(changelog ${WORK}/changelog)
set(days 2027-01-31 2027-02-28 2027-03-01 2027-04-30 2027-05-09 2027-06-10
         2027-07-04 2027-08-15 2027-09-30 2027-10-01 2027-11-11 2026-12-07)
foreach(day IN LISTS days)
  execute_process(COMMAND date -u -R -d ${day} OUTPUT_VARIABLE stamp
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  write_changelog(${changelog} "glimmerjig (2.10.3-1) unstable; urgency=medium" "${stamp}")
  glimmerjig_read_release(${changelog})
  if(NOT GLIMMERJIG_RELEASE_VERSION STREQUAL "2.10.3" OR NOT GLIMMERJIG_RELEASE_DATE STREQUAL day)
    message(SEND_ERROR "${stamp}: read ${GLIMMERJIG_RELEASE_VERSION} ${GLIMMERJIG_RELEASE_DATE}, expected 2.10.3 ${day}")
  endif()
endforeach()

# Heading, expected upstream version: with an epoch, a revision of its own, or none.
set(versions "glimmerjig (3) unstable\;3" "glimmerjig (1:4.2-0.1+b1) unstable\;4.2"
             "glimmerjig (12:5-3) unstable\;5")
foreach(case IN LISTS versions)
  list(GET case 0 heading)
  list(GET case 1 version)
  write_changelog(${changelog} "${heading}; urgency=low" "Thu, 7 Jan 2027 23:59:59 -0500")
  glimmerjig_read_release(${changelog})
  if(NOT GLIMMERJIG_RELEASE_VERSION STREQUAL version OR NOT GLIMMERJIG_RELEASE_DATE STREQUAL "2027-01-07")
    message(SEND_ERROR "${heading}, one-digit day: read ${GLIMMERJIG_RELEASE_VERSION} ${GLIMMERJIG_RELEASE_DATE}")
  endif()
endforeach()

function(expect_refused heading stamp)
  write_changelog(${changelog} "${heading}" "${stamp}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DRELEASE_MODULE=${RELEASE_MODULE} -DCHANGELOG=${changelog}
                          -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    message(SEND_ERROR "accepted a top entry it cannot read: ${heading} / ${stamp}")
  endif()
endfunction()
expect_refused("glimmerjig (@PROJECT_VERSION@) unstable; urgency=medium" "Mon, 07 Dec 2026 12:00:00 +0000")
expect_refused("glimmerjig (1.0.0~rc1-1) unstable; urgency=medium" "Mon, 07 Dec 2026 12:00:00 +0000")
expect_refused("glimmerjig (1.0.0-) unstable; urgency=medium" "Mon, 07 Dec 2026 12:00:00 +0000")
expect_refused("glimmerjig (1.0.0) unstable; urgency=medium" "07 Dec 2026")
expect_refused("glimmerjig (1.0.0) unstable; urgency=medium" "Mon, 07 Dez 2026 12:00:00 +0000")
