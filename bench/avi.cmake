# Frames per second the Motion JPEG AVI writers sustain on full HD frames,
# encoding and file writes included.
pkg_check_modules(TURBOJPEG IMPORTED_TARGET libturbojpeg)
if(TURBOJPEG_FOUND AND TARGET lumivex_capture)
  lumivex_add_bench(NAME avi_bench
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AviBench.cpp
            ${PROJECT_SOURCE_DIR}/tests/unit/capture_avi/StandInJpegEncoder.cpp
    LIBS lumivex_capture PkgConfig::TURBOJPEG)
endif()
