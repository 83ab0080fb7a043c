# Writes a brotli (.br, quality 11) and a gzip (.gz, level 9) copy beside each of the site's files
# and its service worker, for servers that send a file's compressed copy as it is, such as nginx
# with gzip_static and brotli_static: the smallest answers, for no work per request. The PNG
# icons are compressed already, and a copy of one would be no smaller, so they have none. A copy is
# written again whenever its file is newer, so none is ever left stale. gzip is told to store no
# name and no time, and brotli stores neither, so the same site makes the same copies.
#   cmake -DSITE=folder -DBROTLI=brotli -DGZIP=gzip -P Precompress.cmake
include("${CMAKE_CURRENT_LIST_DIR}/SiteFiles.cmake")

foreach(file IN LISTS ROLLING_CUBE_SITE_FILES ROLLING_CUBE_SERVICE_WORKER)
  set(path "${SITE}/${file}")
  if(file MATCHES "\\.png$")
    continue()
  endif()
  if(NOT "${path}" IS_NEWER_THAN "${path}.gz" AND NOT "${path}" IS_NEWER_THAN "${path}.br")
    continue()
  endif()
  # Written through standard output, as any new file, since brotli would give its own output
  # the input's time and mode, or else make it readable by its owner alone.
  execute_process(COMMAND "${BROTLI}" --quality=11 --stdout "${path}" OUTPUT_FILE "${path}.br"
                  RESULT_VARIABLE brotli_result)
  execute_process(COMMAND "${GZIP}" -9 --no-name --stdout "${path}" OUTPUT_FILE "${path}.gz"
                  RESULT_VARIABLE gzip_result)
  if(NOT brotli_result EQUAL 0 OR NOT gzip_result EQUAL 0)
    file(REMOVE "${path}.br" "${path}.gz")
    message(FATAL_ERROR "Could not compress ${path}")
  endif()
endforeach()
