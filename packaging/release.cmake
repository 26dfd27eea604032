# A release is written in one place: the top entry of debian/changelog. Its upstream version
# (without epoch and Debian revision) becomes the project's version, and its date the release
# date of the AppStream metadata.
# Sets GLIMMERJIG_RELEASE_VERSION (1.2.3) and GLIMMERJIG_RELEASE_DATE (YYYY-MM-DD).
function(glimmerjig_read_release changelog)
  file(STRINGS ${changelog} lines)
  list(GET lines 0 heading)
  if(NOT heading MATCHES "^glimmerjig \\(([0-9]+:)?([0-9]+(\\.[0-9]+)*)(-[0-9A-Za-z.+~]+)?\\) ")
    message(FATAL_ERROR "${changelog}: the top line names no numeric version: ${heading}")
  endif()
  set(GLIMMERJIG_RELEASE_VERSION ${CMAKE_MATCH_2} PARENT_SCOPE)

  # The entry's closing line: " -- NAME <ADDRESS>  Mon, 07 Dec 2026 12:00:00 +0000".
  list(FILTER lines INCLUDE REGEX "^ -- ")
  list(GET lines 0 trailer)
  if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "${changelog}: the top entry's closing line has no date: ${trailer}")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_3})
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(FIND months ${CMAKE_MATCH_2} month)
  if(month EQUAL -1)
    message(FATAL_ERROR "${changelog}: unknown month in: ${trailer}")
  endif()
  math(EXPR month "${month} + 1")
  string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
  string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
  set(GLIMMERJIG_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE)
endfunction()

glimmerjig_read_release(${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
