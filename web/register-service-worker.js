// Lets the page start again without a network once it has been visited (see service-worker.js).
// The worker is registered only after the program has drawn its first frame, since its start and
// its downloads of the whole site would otherwise compete with the program's own start. Opened
// from a file, or where the program never starts, there is nothing to register.
'use strict';
(function() {
  function register() {
    navigator.serviceWorker.register('service-worker.js').catch(function(reason) {
      // Offline, a worker kept from an earlier visit started the page; only its update failed.
      if (!navigator.serviceWorker.controller) {
        console.warn('Rolling Cube will not start without a network: ' + reason);
      }
    });
  }

  // Emscripten calls postRun once main has returned into the frame loop; the first frame is
  // drawn by the next animation frame.
  function afterFirstFrame() {
    requestAnimationFrame(function() { setTimeout(register, 0); });
  }

  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  window.addEventListener('load', function() {
    var program = window.Module;
    if (!program) return;
    if (program.calledRun) {
      afterFirstFrame();
    } else {
      program.postRun = [].concat(program.postRun || [], afterFirstFrame);
    }
  });
})();
