# Pixel conversion throughput, side by side with OpenCV's Bayer demosaicking as
# the baseline (OpenCV is a benchmark-only dependency; it ships no CMake or
# pkg-config file on Debian, so it is found by its header and libraries).
find_path(OPENCV_INCLUDE_DIR opencv2/imgproc.hpp PATH_SUFFIXES opencv4)
find_library(OPENCV_CORE_LIBRARY opencv_core)
find_library(OPENCV_IMGPROC_LIBRARY opencv_imgproc)
if(OPENCV_INCLUDE_DIR AND OPENCV_CORE_LIBRARY AND OPENCV_IMGPROC_LIBRARY)
  lumivex_add_bench(NAME conversion_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConversionBench.cpp
    LIBS lumivex_imaging ${OPENCV_IMGPROC_LIBRARY} ${OPENCV_CORE_LIBRARY})
  target_include_directories(conversion_bench SYSTEM PRIVATE ${OPENCV_INCLUDE_DIR})
else()
  message(STATUS "OpenCV imgproc not found: conversion_bench is not built")
endif()
