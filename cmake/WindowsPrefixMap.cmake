# Read after the project() line of each project the Windows build configures, the program's and
# freeglut's (scripts/windows.sh names it in CMAKE_PROJECT_INCLUDE): neither the source folder's
# path nor the build folder's may end up in the executable. Given as compile options, each path
# reaches the compiler as one argument whatever characters it holds; in CMAKE_C_FLAGS it would
# pass through make and a shell, which read spaces, quotes, '$' and backticks their own way.
add_compile_options("-ffile-prefix-map=${PREFIX_MAP_SOURCE}=."
                    "-ffile-prefix-map=${PREFIX_MAP_BUILD}=.")
