# Frames per second the Motion JPEG AVI writers sustain on full HD frames,
# encoding and file writes included.
if(TARGET lumivex_capture)
  lumivex_add_bench(NAME avi_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/AviBench.cpp LIBS lumivex_capture)
endif()
