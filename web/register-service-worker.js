// Lets the page start again without a network once it has been visited (see service-worker.js).
// The worker is registered only after the program has drawn its first frame, since its start and
// its downloads of the whole site would otherwise compete with the program's own start. Opened
// from a file, or where the program never starts, there is nothing to register.
'use strict';
var serviceWorkerSetup = {
  watched: null,

  // A worker that could not keep every file of the site is dropped before it ever takes over,
  // and says why in its own console; the page's says that it happened, and the page names any
  // file the server lacks.
  watchInstall: function(worker) {
    if (!worker || worker === serviceWorkerSetup.watched) return;
    serviceWorkerSetup.watched = worker;
    var installed = false;
    worker.addEventListener('statechange', function() {
      if (worker.state === 'installed') installed = true;
      if (worker.state === 'redundant' && !installed) {
        console.warn('Rolling Cube could not keep its files for use without a network; ' +
                     "its service worker's console says why");
        startUpFailure.reportUnkept();
      }
    });
  },

  register: function() {
    navigator.serviceWorker.register('service-worker.js').then(function(registration) {
      serviceWorkerSetup.watchInstall(registration.installing);
      registration.addEventListener('updatefound', function() {
        serviceWorkerSetup.watchInstall(registration.installing);
      });
    }).catch(function(reason) {
      // Offline, a worker kept from an earlier visit started the page; only its update failed.
      if (!navigator.serviceWorker.controller) {
        console.warn('Rolling Cube will not start without a network: ' + reason);
        startUpFailure.reportUnkept();
      }
    });
  },

  // Emscripten calls postRun once main has returned into the frame loop; the first frame is
  // drawn by the next animation frame.
  afterFirstFrame: function() {
    requestAnimationFrame(function() { setTimeout(serviceWorkerSetup.register, 0); });
  },

  whenProgramStarts: function() {
    var program = window.Module;
    if (!program) return;
    if (program.calledRun) {
      serviceWorkerSetup.afterFirstFrame();
    } else {
      program.postRun = [].concat(program.postRun || [], serviceWorkerSetup.afterFirstFrame);
    }
  },
};

if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  window.addEventListener('load', serviceWorkerSetup.whenProgramStarts);
}
