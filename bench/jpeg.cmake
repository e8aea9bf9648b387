# The JPEG encoder against libjpeg-turbo's TurboJPEG API on a full HD frame.
pkg_check_modules(TURBOJPEG IMPORTED_TARGET libturbojpeg)
if(TURBOJPEG_FOUND AND TARGET lumivex_capture)
  lumivex_add_bench(NAME jpeg_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/JpegBench.cpp ${PROJECT_SOURCE_DIR}/tests/unit/capture/TestScenes.cpp
    LIBS lumivex_capture PkgConfig::TURBOJPEG)
  target_include_directories(jpeg_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/unit/capture)
endif()
