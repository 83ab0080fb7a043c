# What the toolchain files for Debian's ARM architectures share: Debian's cross compilers for
# CMAKE_LIBRARY_ARCHITECTURE, and the target's headers and libraries taken from CMAKE_SYSROOT
# alone, never from the build machine (scripts/lib/sysroot.sh makes one; scripts/package.sh
# --arch names it on the command line).
if(NOT CMAKE_SYSROOT)
  message(FATAL_ERROR "Cross-building for ${CMAKE_LIBRARY_ARCHITECTURE} needs -DCMAKE_SYSROOT=DIR, "
                      "a sysroot of the target's libraries such as scripts/lib/sysroot.sh makes")
endif()
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-gcc)
set(CMAKE_CXX_COMPILER ${CMAKE_LIBRARY_ARCHITECTURE}-g++)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# FindGLUT asks pkg-config first; left alone, pkg-config answers with the build machine's own
# libglut, which the linker then rejects as the wrong format.
set(ENV{PKG_CONFIG_LIBDIR}
    "${CMAKE_SYSROOT}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/pkgconfig:${CMAKE_SYSROOT}/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "${CMAKE_SYSROOT}")
