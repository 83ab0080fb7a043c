# Writes SITE/service-worker.js from its template. The worker keeps the site's files (see
# SiteFiles.cmake), the ones the build makes and the page loads, and nothing else that may lie
# in the folder: a stray file that the server refuses, such as an .htaccess, would otherwise stop
# the worker from keeping any. Its cache is named after their content, so that a rebuild that
# changes any of them replaces the cache. The worker is written again only when that changes.
#   cmake -DSITE=folder -P ServiceWorker.cmake
include("${CMAKE_CURRENT_LIST_DIR}/SiteFiles.cmake")

set(hashes "")
foreach(file IN LISTS ROLLING_CUBE_SITE_FILES)
  if(NOT EXISTS "${SITE}/${file}")
    message(FATAL_ERROR "The site has no ${file} for its service worker to keep")
  endif()
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND hashes "${hash} ${file}\n")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING "${SITE_HASH}" 0 16 SITE_HASH)
rolling_cube_javascript_items(SITE_FILES ${ROLLING_CUBE_SITE_FILES})

configure_file("${CMAKE_CURRENT_LIST_DIR}/service-worker.js.in"
               "${SITE}/${ROLLING_CUBE_SERVICE_WORKER}" @ONLY)
