# Cross-compiling for Debian's arm64 (64-bit ARM, as on a Raspberry Pi 3, 4 or 5 running a
# 64-bit system) against a sysroot given as CMAKE_SYSROOT.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
