# Writes SITE/service-worker.js from its template, naming the worker's cache after the content
# of every file it keeps, so that a rebuild that changes any of them replaces the cache.
#   cmake -DSITE=folder -P ServiceWorker.cmake
set(files index.html manifest.webmanifest register-service-worker.js icon-192.png icon-512.png
    rolling-cube.js rolling-cube.wasm rolling-cube.data)

set(hashes "")
set(SITE_FILES "")
foreach(file IN LISTS files)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND hashes "${hash} ${file}\n")
  string(APPEND SITE_FILES "'${file}', ")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING "${SITE_HASH}" 0 16 SITE_HASH)
string(REGEX REPLACE ", $" "" SITE_FILES "${SITE_FILES}")

configure_file("${CMAKE_CURRENT_LIST_DIR}/service-worker.js.in" "${SITE}/service-worker.js" @ONLY)
