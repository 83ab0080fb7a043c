# Writes SITE/service-worker.js from its template. The worker keeps the files below, the ones the
# build makes and the page loads, and nothing else that may lie in the folder: a stray file that
# the server refuses, such as an .htaccess, would otherwise stop the worker from keeping any.
# Its cache is named after their content, so that a rebuild that changes any of them replaces
# the cache. The worker is written again only when that changes.
#   cmake -DSITE=folder -P ServiceWorker.cmake
set(files icon-192.png icon-512.png index.html manifest.webmanifest page-output.js
    register-service-worker.js rolling-cube.data rolling-cube.js rolling-cube.wasm
    start-program.js start-up-failure.js)

set(hashes "")
set(SITE_FILES "")
foreach(file IN LISTS files)
  if(NOT EXISTS "${SITE}/${file}")
    message(FATAL_ERROR "The site has no ${file} for its service worker to keep")
  endif()
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND hashes "${hash} ${file}\n")
  string(APPEND SITE_FILES "'${file}', ")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING "${SITE_HASH}" 0 16 SITE_HASH)
string(REGEX REPLACE ", $" "" SITE_FILES "${SITE_FILES}")

configure_file("${CMAKE_CURRENT_LIST_DIR}/service-worker.js.in" "${SITE}/service-worker.js" @ONLY)
