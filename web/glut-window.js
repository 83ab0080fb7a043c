// The program draws for its 640 x 480 window and its projections assume that size. The page shows
// the canvas at whatever size fits, up to 640 x 480 CSS pixels, and gives it a drawing buffer at
// the screen's own resolution, so that only the sharpness changes with the size and the pixel
// ratio, never what the picture shows. The pointer still reaches the program in its window's
// pixels, so a drag across the whole picture turns the view as far at every size.
(function() {
  var canvas = Module['canvas'];

  function fitDrawingBuffer() {
    var box = canvas.getBoundingClientRect();
    var ratio = window.devicePixelRatio || 1;
    var width = Math.max(1, Math.round(box.width * ratio));
    var height = Math.max(1, Math.round(box.height * ratio));
    if (canvas.width != width || canvas.height != height) {
      canvas.width = width;
      canvas.height = height;
    }
    // The program never sets a viewport (a desktop GLUT fits it to the window by itself).
    var gl = Module['preinitializedWebGLContext'];
    if (!gl.isContextLost()) gl.viewport(0, 0, width, height);
  }

  // A window moved to a screen of another pixel ratio, or zoomed on some systems, keeps its size
  // and fires no resize. A query for the present ratio tells once that it no longer holds, so
  // each change asks again for the new one.
  function watchPixelRatio() {
    var ratio = window.devicePixelRatio || 1;
    window.matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', function() {
      fitDrawingBuffer();
      watchPixelRatio();
    }, {once: true});
  }

  // GLUT would set the buffer to the window's size, at glutInitWindowSize and when its main loop
  // starts; the page's layout decides it instead.
  Browser.setCanvasSize = fitDrawingBuffer;
  window.addEventListener('resize', fitDrawingBuffer);
  watchPixelRatio();

  Browser.calculateMouseEvent = function(event) {
    var box = canvas.getBoundingClientRect();
    Browser.mouseX = Math.floor((event.clientX - box.left) * GLUT.initWindowWidth / box.width);
    Browser.mouseY = Math.floor((event.clientY - box.top) * GLUT.initWindowHeight / box.height);
  };
})();
