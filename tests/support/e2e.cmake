# glimmerjig_add_e2e(NAME ON x11|wayland [MAIN LIBRARY] SOURCES ... [LIBRARIES ...] [DEFINITIONS ...])
# A test program that starts the real game (e2e_common knows where it is) once it is built; on
# x11 each test gets an Xvfb display of its own, with a pointer that survives between clients.
# Its main has a QCoreApplication unless MAIN names another (test_main_display: a QApplication
# on that display).
function(glimmerjig_add_e2e name)
  cmake_parse_arguments(E2E "" "ON;MAIN" "SOURCES;LIBRARIES;DEFINITIONS" ${ARGN})
  if(NOT E2E_MAIN)
    set(E2E_MAIN test_main_core)
  endif()
  add_executable(${name} ${E2E_SOURCES})
  target_link_libraries(${name} PRIVATE e2e_common ${E2E_MAIN} ${E2E_LIBRARIES})
  target_compile_definitions(${name} PRIVATE ${E2E_DEFINITIONS})
  if(NOT GLIMMERJIG_TESTED_GAME)
    add_dependencies(${name} glimmerjig)
  endif()
  set(environment "")
  if(E2E_ON STREQUAL "x11")
    set_target_properties(${name} PROPERTIES
      CROSSCOMPILING_EMULATOR "${XVFB_RUN};-a;-s;-screen 0 1024x768x24 -noreset")
    set(environment ENVIRONMENT "SDL_AUDIODRIVER=dummy")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${environment} TIMEOUT 120)
endfunction()
