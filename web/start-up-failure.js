// Where the program cannot start, the visitor is told so in plain words: which of its files the
// server did not send, when it is one of them, and to reload. What went wrong in the words of the
// browser or of Emscripten goes to the console, for whoever looks into it.
'use strict';
var startUpFailure = {
  programFiles: ['rolling-cube.js', 'rolling-cube.wasm', 'rolling-cube.data'],

  // Puts TEXT in the status line as an error, followed by a button that reloads the page.
  showWithReload: function(status, text) {
    status.textContent = text + ' ';
    status.className = 'error';
    var reload = document.createElement('button');
    reload.type = 'button';
    reload.textContent = 'Reload';
    reload.addEventListener('click', function() { location.reload(); });
    status.appendChild(reload);
  },

  // The failure itself seldom names the file (Emscripten's only says that "the wasm" failed), so
  // the server is asked again, for the headers alone, which of the files it lacks. One that
  // cannot be asked for at all, with the network gone, is not counted as missing.
  missingFiles: function() {
    return Promise.all(startUpFailure.programFiles.map(function(file) {
      return fetch(file, {method: 'HEAD', cache: 'no-store'}).then(
          function(response) { return response.ok ? null : file; },
          function() { return null; });
    })).then(function(files) { return files.filter(Boolean); });
  },

  explanation: function(missing) {
    var again = 'Reload the page to try again.';
    if (missing.length == 0) return 'Rolling Cube could not be loaded. ' + again;
    return 'Rolling Cube could not be loaded: ' + missing.join(' and ') +
           (missing.length == 1 ? ' is' : ' are') + ' missing from the server. ' + again;
  },

  // Reports a failure before the program started, with DETAILS for the console.
  report: function(status, details) {
    console.error('Rolling Cube could not start: ' + details);
    status.textContent = 'Rolling Cube could not be loaded…';
    status.className = 'error';
    startUpFailure.missingFiles().then(function(missing) {
      startUpFailure.showWithReload(status, startUpFailure.explanation(missing));
    });
  },
};
