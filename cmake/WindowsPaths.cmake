# Read after the project() line of each project the Windows build configures, the program's and
# freeglut's (scripts/windows.sh names it in CMAKE_PROJECT_INCLUDE), so that any folder's path
# reaches the compiler whole.
# Neither the source folder's path nor the build folder's may end up in the executable. Given as
# compile options, each path reaches the compiler as one argument whatever characters it holds;
# in CMAKE_C_FLAGS it would pass through make and a shell, which read spaces, quotes, '$' and
# backticks their own way.
add_compile_options("-ffile-prefix-map=${PREFIX_MAP_SOURCE}=."
                    "-ffile-prefix-map=${PREFIX_MAP_BUILD}=.")
# CMake's Windows platform passes include folders, objects and libraries in response files, where
# it leaves a '$' in a path escaped for make, as '$$'; on the command line, make reads it.
foreach(language C CXX)
  foreach(kind INCLUDES OBJECTS LIBRARIES)
    set(CMAKE_${language}_USE_RESPONSE_FILE_FOR_${kind} 0)
  endforeach()
endforeach()
