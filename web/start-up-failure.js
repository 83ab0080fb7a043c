// Where the page cannot load one of its files, the visitor is told so in plain words: which of
// them the server did not send, and to reload. The build writes this script into the page
// itself, ahead of every file it loads, so that it reports those too, the page's own scripts
// among them; it uses nothing of theirs. What went wrong in the words of the browser or of
// Emscripten goes to the console, for whoever looks into it.
'use strict';
var startUpFailure = {
  siteFiles: [@SITE_FILES@],
  reported: false,

  // Calls SHOW with the status line, once the page has one.
  withStatus: function(show) {
    if (document.readyState != 'loading') return show(document.getElementById('status'));
    document.addEventListener('DOMContentLoaded', function() {
      show(document.getElementById('status'));
    });
  },

  // Puts TEXT in the status line as an error, followed by a button that reloads the page.
  showWithReload: function(text) {
    startUpFailure.withStatus(function(status) {
      status.textContent = text + ' ';
      status.className = 'error';
      var reload = document.createElement('button');
      reload.type = 'button';
      reload.textContent = 'Reload';
      reload.addEventListener('click', function() { location.reload(); });
      status.appendChild(reload);
    });
  },

  // The failure itself seldom names the file (Emscripten's only says that "the wasm" failed), so
  // the server is asked again, for the headers alone, which of the files it lacks. One that
  // cannot be asked for at all, with the network gone, is not counted as missing.
  missingFiles: function() {
    return Promise.all(startUpFailure.siteFiles.map(function(file) {
      return fetch(file, {method: 'HEAD', cache: 'no-store'}).then(
          function(response) { return response.ok ? null : file; },
          function() { return null; });
    })).then(function(files) { return files.filter(Boolean); });
  },

  explanation: function(lead, missing) {
    var again = 'Reload the page to try again.';
    if (missing.length == 0) return lead + '. ' + again;
    return lead + ': ' + missing.join(' and ') + (missing.length == 1 ? ' is' : ' are') +
           ' missing from the server. ' + again;
  },

  // Reports a file that did not load, or a program that could not start, with DETAILS for the
  // console. Only the first report is shown.
  report: function(details) {
    if (startUpFailure.reported) return;
    startUpFailure.reported = true;
    console.error('Rolling Cube could not start: ' + details);
    startUpFailure.withStatus(function(status) {
      status.textContent = 'Rolling Cube could not be loaded…';
      status.className = 'error';
    });
    startUpFailure.missingFiles().then(function(missing) {
      startUpFailure.showWithReload(
          startUpFailure.explanation('Rolling Cube could not be loaded', missing));
    });
  },

  // The program runs, but its files could not be kept for use without a network. Only a file
  // missing from the server is the visitor's to hear of; the worker's console says the rest.
  reportUnkept: function() {
    startUpFailure.missingFiles().then(function(missing) {
      if (missing.length == 0 || startUpFailure.reported) return;
      startUpFailure.reported = true;
      startUpFailure.showWithReload(
          startUpFailure.explanation('Rolling Cube cannot start without a network', missing));
    });
  },

  // A script or a preloaded file that fails to load fires an error at its element, which
  // reaches the window only while capturing. Opened from disk, where the browser refuses the
  // files, the page says instead that it must be served over HTTP (see start-program.js).
  watchLoads: function() {
    if (location.protocol == 'file:') return;
    window.addEventListener('error', function(event) {
      var element = event.target;
      if (element === window || !(element.src || element.href)) return;
      startUpFailure.report((element.src || element.href) + ' did not load');
    }, true);
  },
};

startUpFailure.watchLoads();
