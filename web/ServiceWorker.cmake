# Writes SITE/service-worker.js from its template. The worker keeps every other file in the
# site, whatever the page comes to load, and its cache is named after their content, so that a
# rebuild that changes any of them replaces the cache. The worker is written again only when
# that changes.
#   cmake -DSITE=folder -P ServiceWorker.cmake
file(GLOB files LIST_DIRECTORIES false RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files service-worker.js)
list(SORT files)

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
