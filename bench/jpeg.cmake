# The JPEG encoder against libjpeg-turbo's TurboJPEG API on a full HD frame.
pkg_check_modules(TURBOJPEG IMPORTED_TARGET libturbojpeg)
if(TURBOJPEG_FOUND AND TARGET lumivex_capture)
  lumivex_add_bench(NAME jpeg_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/JpegBench.cpp
    LIBS lumivex_capture PkgConfig::TURBOJPEG)
endif()
