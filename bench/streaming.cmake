# Loopback streaming from the simulated camera. Run it inside the test
# namespace: scripts/netns build/bin/streaming_bench
lumivex_add_bench(NAME streaming_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StreamingBench.cpp
  LIBS lumivex_sim PkgConfig::ARAVIS)
target_compile_definitions(streaming_bench PRIVATE QT_NO_KEYWORDS)
