# The sound player and the about window, their tests and the real-sound check.
# Included from ui/CMakeLists.txt after trelavka_ui is defined:
#   include(sound_and_about.cmake)

find_package(Qt6 REQUIRED COMPONENTS Widgets Multimedia)

set(_trelavka_root ${CMAKE_CURRENT_LIST_DIR}/..)

target_sources(trelavka_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/wav_check.h
  ${CMAKE_CURRENT_LIST_DIR}/wav_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.h
  ${CMAKE_CURRENT_LIST_DIR}/sound_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_window.h
  ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp
)
set_property(TARGET trelavka_ui PROPERTY AUTOMOC ON)
target_include_directories(trelavka_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(trelavka_ui PUBLIC Qt6::Widgets Qt6::Multimedia)

if(TRELAVKA_BUILD_TESTS)
  find_package(GTest REQUIRED)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  include(GoogleTest)
  # ui/ is added before the top level enables testing; without this its tests
  # would never reach CTest.
  enable_testing()

  set(_trelavka_tests ${_trelavka_root}/tests/ui)

  add_executable(trelavka-sound-about-test
    ${_trelavka_tests}/sound_test_main.cpp
    ${_trelavka_tests}/sound_player_test.cpp
    ${_trelavka_tests}/about_window_test.cpp
  )
  target_link_libraries(trelavka-sound-about-test PRIVATE trelavka_ui GTest::gtest Qt6::Test)
  gtest_discover_tests(trelavka-sound-about-test DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 60)

  # Plays one file with the game's sound player, for the real-sound check.
  add_executable(trelavka-sound-probe ${_trelavka_tests}/sound_probe.cpp)
  target_link_libraries(trelavka-sound-probe PRIVATE trelavka_ui)
  add_test(NAME sound-check
    COMMAND ${_trelavka_root}/tools/sound-check.sh $<TARGET_FILE:trelavka-sound-probe>)
  # 77: no audio server could be started on this machine.
  set_tests_properties(sound-check PROPERTIES
    LABELS sound SKIP_RETURN_CODE 77 TIMEOUT 120)
endif()
