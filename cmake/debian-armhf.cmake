# Cross-compiling for Debian's armhf (32-bit ARMv7 with hardware floating point, as on a
# Raspberry Pi running a 32-bit system) against a sysroot given as CMAKE_SYSROOT.
set(CMAKE_SYSTEM_PROCESSOR armv7l)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
