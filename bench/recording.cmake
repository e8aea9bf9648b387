# A Motion JPEG recording through the real main window while the preview runs
# (scripts/bench-recording); built with the display tests' live window.
if(TARGET lumivex_app AND TARGET lumivex_apptestsupport AND TARGET lumivex_avitestsupport)
  add_executable(recording_bench ${CMAKE_CURRENT_LIST_DIR}/RecordingBench.cpp
    ${PROJECT_SOURCE_DIR}/tests/display/app_live/LiveMainWindow.cpp)
  target_include_directories(recording_bench PRIVATE ${LUMIVEX_SRC_DIR}
    ${PROJECT_SOURCE_DIR}/tests/display/app_live)
  target_link_libraries(recording_bench PRIVATE lumivex_app lumivex_apptestsupport lumivex_avitestsupport GTest::gtest Qt6::Test
                        PkgConfig::LIBAV)
endif()
