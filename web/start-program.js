// Hands the program the page's canvas and loads it, once the page knows that the browser can
// show it; what goes wrong on the way is told to the visitor (see start-up-failure.js, which
// the page loads first).
'use strict';
var programStart = {
  canvas: document.getElementById('canvas'),
  failed: false,
  started: false,

  // Opened from disk, the browser refuses to load the program's files.
  servedOverHttp: function() {
    if (location.protocol != 'file:') return true;
    pageOutput.showStatus(
        'Rolling Cube must be served over HTTP: the browser does not let a page opened ' +
        'from disk load its files. Run ./scripts/web.sh and open http://127.0.0.1:8000/, ' +
        'or serve this folder with any static file server.', true);
    return false;
  },

  // The program's own context, made here with the settings its GLUT window asks for (RGB,
  // double-buffered, depth, no multisampling) so that the page can tell at once when there is
  // no WebGL; the program takes it over instead of making another.
  webglContext: function() {
    var context = null;
    try {
      context = programStart.canvas.getContext('webgl', {alpha: false, depth: true,
                                                         stencil: false, antialias: false});
    } catch (e) {
      context = null;
    }
    if (!context) {
      pageOutput.showStatus(
          'This browser cannot show Rolling Cube: WebGL is unavailable or turned off. ' +
          'Turn on hardware acceleration or WebGL in its settings, or try another browser.', true);
    }
    return context;
  },

  // A failure before the program runs means that it could not be loaded; the first one that
  // comes is the one the visitor is told of.
  fail: function(details) {
    if (programStart.failed) return;
    programStart.failed = true;
    if (programStart.started) {
      pageOutput.showStatus('Rolling Cube stopped: ' + details, true);
    } else {
      startUpFailure.report(details);
    }
  },

  // Emscripten's progress, shown until the program runs; a failure's report stays.
  setStatus: function(text) {
    if (programStart.failed || startUpFailure.reported) return;
    if (/^Running/.test(text)) text = '';
    pageOutput.showStatus(text ? text.replace(/\.\.\./, '…') : '', false);
  },

  // What Emscripten's code reads of the page. A lost context (a GPU reset, a driver update, too
  // many contexts on a phone) draws nothing more, so the program stops drawing then, and the
  // page says how to get the animation back.
  moduleFor: function() {
    return {
      canvas: programStart.canvas,
      preinitializedWebGLContext: null,
      stdout: pageOutput.terminal(function(line) { console.log(line); }),
      stderr: pageOutput.terminal(function(line) { console.error(line); }),
      setStatus: programStart.setStatus,
      onAbort: programStart.fail,
      postRun: [function() { programStart.started = true; }],
      preMainLoop: function() { return !window.Module.preinitializedWebGLContext.isContextLost(); },
    };
  },

  contextLost: function() {
    programStart.failed = true;
    startUpFailure.showWithReload('The graphics context was lost, so the animation has ' +
                                  'stopped. Reload the page to start it again.');
  },

  // The program's files are fetched while the page makes its WebGL context, which a software
  // renderer is slow to do, but only once the first paint has what it needs.
  preloadProgram: function() {
    [['rolling-cube.js', 'script'], ['rolling-cube.wasm', 'fetch']].forEach(function(file) {
      var link = document.createElement('link');
      link.rel = 'preload';
      link.href = file[0];
      link.as = file[1];
      link.crossOrigin = file[1] == 'fetch' ? 'anonymous' : null;
      document.head.appendChild(link);
    });
  },

  loadProgram: function() {
    var script = document.createElement('script');
    script.src = 'rolling-cube.js';
    script.onerror = function() { programStart.fail('rolling-cube.js did not load'); };
    document.body.appendChild(script);
  },

  run: function() {
    // Without the script that reports failures nothing could tell the visitor of one, so the
    // program does not start, and the page's style sheet says so (see page.css).
    if (!window.startUpFailure) return;
    pageOutput.mirrorTitle();
    // The right button steers the camera, so it must not open the browser's menu.
    programStart.canvas.addEventListener('contextmenu', function(event) {
      event.preventDefault();
    });
    if (!programStart.servedOverHttp()) return;
    window.Module = programStart.moduleFor();
    programStart.afterFirstPaint(programStart.start);
  },

  // The page's first paint shows at once what it is; the WebGL context, which a software
  // renderer takes long to make, and the program come once it is on the screen, since the GPU
  // process, busy making the context, would not show it until then. A browser that does not
  // report paints starts them in the task after the first frame.
  afterFirstPaint: function(start) {
    var types = window.PerformanceObserver && PerformanceObserver.supportedEntryTypes;
    if (!types || types.indexOf('paint') < 0) {
      requestAnimationFrame(function() { setTimeout(start, 0); });
      return;
    }
    var observer = new PerformanceObserver(function() {
      observer.disconnect();
      setTimeout(start, 0);
    });
    observer.observe({type: 'paint', buffered: true});
  },

  start: function() {
    programStart.preloadProgram();
    var context = programStart.webglContext();
    if (!context) return;
    window.Module.preinitializedWebGLContext = context;
    programStart.canvas.addEventListener('webglcontextlost', programStart.contextLost);
    window.addEventListener('error', function(event) { programStart.fail(event.message); });
    programStart.loadProgram();
  },
};

programStart.run();
