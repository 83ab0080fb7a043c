# The Debian package, made by scripts/package.sh with CPack from a Release build.

# Plain strip leaves the compiler's .comment section behind; Debian wants it gone too. Runs
# for every stripped install, the package's included.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section .comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/rolling-cube\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rolling-cube)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT
    "Rolling Cube maintainers <maintainers@users.noreply.c-seed-119cc14d.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cube rolling across a meadow, in a 3D window")
set(CPACK_PACKAGE_DESCRIPTION
    "Rolling Cube shows a square meadow with five coloured blocks standing on it
and a cyan cube that never stops rolling: it tips over one of its bottom edges,
lands one edge length further on and picks a new direction at random, never
into a block and never off the ground.

The camera flies through the scene with the mouse, and the keys o and p switch
between an orthographic and a perspective projection. It draws with
fixed-function OpenGL through GLUT.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
