# Save time of a 2448 x 2048 frame at 16 bits against 8 bits (scripts/bench-recording ffv1).
add_executable(still_bench ${CMAKE_CURRENT_LIST_DIR}/StillBench.cpp)
target_include_directories(still_bench PRIVATE ${LUMIVEX_SRC_DIR})
target_link_libraries(still_bench PRIVATE lumivex_capture)
