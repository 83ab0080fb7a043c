// Lets the page start again without a network once it has been visited (see service-worker.js).
// Registered after the page has loaded, so that the worker's downloads never hold up the
// program's own. Opened from a file there is no worker to register.
'use strict';
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  window.addEventListener('load', function() {
    navigator.serviceWorker.register('service-worker.js').catch(function(reason) {
      // Offline, a worker kept from an earlier visit started the page; only its update failed.
      if (!navigator.serviceWorker.controller) {
        console.warn('Rolling Cube will not start without a network: ' + reason);
      }
    });
  });
}
