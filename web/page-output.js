// What the page shows of the program besides its picture: the window's title above it, the
// status line and the program's console output.
'use strict';
var pageOutput = {
  status: document.getElementById('status'),

  showStatus: function(text, isError) {
    pageOutput.status.textContent = text;
    pageOutput.status.className = isError ? 'error' : '';
  },

  // The program's window title is the page's title; show it above the picture as well.
  mirrorTitle: function() {
    var heading = document.getElementById('window-title');
    new MutationObserver(function() { heading.textContent = document.title; })
        .observe(document.querySelector('title'),
                 {childList: true, characterData: true, subtree: true});
  },

  // The program's output arrives a byte at a time and goes on the page as a terminal would
  // show it: a text printed before a flush stays on its line until the newline comes. The
  // browser's console takes whole lines, through LOG.
  terminal: function(log) {
    var consoleText = document.getElementById('console');
    var decoder = new TextDecoder();
    var line = '';
    return function(byte) {
      if (byte === null) return;
      var text = decoder.decode(new Uint8Array([byte & 255]), {stream: true});
      consoleText.textContent += text;
      if (text === '\n') {
        log(line);
        line = '';
      } else {
        line += text;
      }
    };
  },
};
