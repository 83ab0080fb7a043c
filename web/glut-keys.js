// The browser's GLUT cancels the default action of every key it hands the program, so Space no
// longer scrolled the page and Tab could not move the focus. The program still gets every key,
// as on the desktop, but only its own two, o and p, lose their meaning in the page.
GLUT.onKeydown = function(event) {
  if (!GLUT.keyboardFunc || GLUT.getSpecialKey(event['keyCode']) !== null) return;
  var key = GLUT.getASCIIKey(event);
  if (key === null) return;
  if (key == 111 || key == 112) event.preventDefault();
  GLUT.saveModifiers(event);
  getWasmTableEntry(GLUT.keyboardFunc)(key, Browser.mouseX, Browser.mouseY);
};

// The on-screen projection controls type the program's keys for visitors without a keyboard.
document.querySelectorAll('button[data-key]').forEach(function(control) {
  control.addEventListener('click', function() {
    if (GLUT.keyboardFunc) {
      getWasmTableEntry(GLUT.keyboardFunc)(control.dataset.key.charCodeAt(0), Browser.mouseX,
                                           Browser.mouseY);
    }
  });
});
