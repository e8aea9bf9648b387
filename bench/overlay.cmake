# Cost of the overlay painters on one displayed frame (they run on the
# acquisition thread for up to about 30 frames per second).
lumivex_add_bench(NAME overlay_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/OverlayBench.cpp
  LIBS lumivex_imaging)
