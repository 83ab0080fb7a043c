# The files of the site, which the page loads: the build makes them, the service worker keeps
# them for use without a network and the page names those the server lacks. The worker itself,
# written last from the others' content (see ServiceWorker.cmake), is not among them.
set(ROLLING_CUBE_SITE_FILES icon-192.png icon-512.png index.html manifest.webmanifest
    page-output.js page.css register-service-worker.js rolling-cube.js
    rolling-cube.wasm start-program.js start-up-failure.js)
set(ROLLING_CUBE_SERVICE_WORKER service-worker.js)

# Sets OUT to FILES as the items of a JavaScript array: 'a', 'b'.
function(rolling_cube_javascript_items out)
  list(JOIN ARGN "', '" items)
  set(${out} "'${items}'" PARENT_SCOPE)
endfunction()
