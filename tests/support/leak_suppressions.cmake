# Builds the LeakSanitizer suppressions of tests/lsan.supp into every program defined after this
# file is included (the game, the tests, the tools), so that a program started without
# LSAN_OPTIONS applies them too: GoogleTest's discovery of the tests at build time, a test run
# by hand. Included by the top CMakeLists.txt for the sanitizer and fuzz builds.
set(glimmerjig_lsan_file ${CMAKE_CURRENT_LIST_DIR}/../lsan.supp)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${glimmerjig_lsan_file})
file(READ ${glimmerjig_lsan_file} GLIMMERJIG_LSAN_SUPPRESSIONS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/leak_suppressions.cpp.in
  ${CMAKE_BINARY_DIR}/leak_suppressions.cpp @ONLY)
add_library(leak_suppressions OBJECT ${CMAKE_BINARY_DIR}/leak_suppressions.cpp)
link_libraries(leak_suppressions)
