# Loopback streaming from the simulated camera through the SDK layer. Run it
# inside the test namespace: scripts/netns build/bin/streaming_bench
lumivex_add_bench(NAME streaming_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/StreamingBench.cpp
  LIBS lumivex_sim lumivex_sdk)
