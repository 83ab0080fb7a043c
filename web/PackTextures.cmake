# Packs the pictures into SITE/rolling-cube.data with Emscripten's file packager and writes
# LOADER, the script that fetches the package into the virtual file system before main.
#   cmake -DPACKAGER=.../tools/file_packager -DSITE=folder -DLOADER=file -DTEXTURES="a.bmp;b.bmp"
#         -P PackTextures.cmake
# emcc's own --preload-file names the package in the loader by its absolute path on the build
# machine and gives it a new random id on every link, so no two builds were the same bytes.
# Here the packager runs in the site folder and is given the package's bare name, the pictures
# go in the order given rather than the folder's, and the id, which only Emscripten's optional
# IndexedDB cache reads, becomes the package's hash: the same pictures make the same bytes
# wherever they are built.
file(MAKE_DIRECTORY "${SITE}")
set(preloads "")
foreach(texture IN LISTS TEXTURES)
  get_filename_component(name "${texture}" NAME)
  # The packager reads a lone '@' as the split between a file and its place; '@@' is an '@'.
  string(REPLACE "@" "@@" texture "${texture}")
  list(APPEND preloads "${texture}@/Textures/${name}")
endforeach()

execute_process(
  COMMAND "${PACKAGER}" rolling-cube.data --preload ${preloads}
          "--js-output=${LOADER}" --no-node
  WORKING_DIRECTORY "${SITE}"
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
# On success the packager only reminds us to build with FORCE_FILESYSTEM, which we do.
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Packing the pictures failed:\n${output}")
endif()

file(SHA256 "${SITE}/rolling-cube.data" hash)
string(SUBSTRING "${hash}" 0 32 hash)
string(REGEX REPLACE "^(........)(....)(....)(....)(.*)$" "\\1-\\2-\\3-\\4-\\5" id "${hash}")
file(READ "${LOADER}" loader)
set(random_id "\"package_uuid\": \"[-0-9a-f]+\"")
if(NOT loader MATCHES "${random_id}")
  message(FATAL_ERROR "The file packager's loader has no package id to replace:\n${loader}")
endif()
string(REGEX REPLACE "${random_id}" "\"package_uuid\": \"${id}\"" loader "${loader}")
file(WRITE "${LOADER}" "${loader}")
