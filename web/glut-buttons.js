// The mouse buttons the program is told are held. Besides the real mouse, which the browser's
// GLUT reports itself, a finger on the picture (glut-touch.js) and the on-screen fly controls
// (glut-fly-controls.js) hold them. The program sees only GLUT's button and motion events, as
// from a mouse.
var heldButtons = {
  LEFT: 0,
  MIDDLE: 1,
  RIGHT: 2,
  // The fly controls' holds in the order they began, each the button its control holds (LEFT
  // flies forwards, RIGHT backwards), the control and who holds it. The last one flies; when it
  // ends, the flight goes back to the hold before it.
  holds: [],
  finger: null,  // the pointer id of the finger on the picture

  send: function(button, down) {
    var bit = 1 << button;
    if (!(GLUT.buttons & bit) == !down) return;
    GLUT.buttons ^= bit;
    if (GLUT.mouseFunc) {
      getWasmTableEntry(GLUT.mouseFunc)(button, down ? 0 : 1, Browser.mouseX, Browser.mouseY);
    }
  },

  // A finger alone holds both buttons, which turn the view without flying. Beside a fly control
  // it holds the middle button, which changes no flag but tells the program where the drag
  // starts, so the view turns as it flies. Every change happens between two frames.
  update: function() {
    var last = heldButtons.holds[heldButtons.holds.length - 1];
    var finger = heldButtons.finger, flying = last ? last.button : null;
    var turning = finger !== null && flying === null;
    heldButtons.send(heldButtons.LEFT, flying === heldButtons.LEFT || turning);
    heldButtons.send(heldButtons.RIGHT, flying === heldButtons.RIGHT || turning);
    heldButtons.send(heldButtons.MIDDLE, finger !== null && flying !== null);
  },

  // Whenever the page loses the pointer's events, every held button counts as released: its
  // release would go to another window or tab, and the camera would fly on for good. A cancelled
  // pointer releases only what it held itself, as a finger scrolling the page elsewhere must not
  // stop a fly control the mouse holds.
  releaseAll: function() {
    heldButtons.holds = [];
    heldButtons.finger = null;
    for (var button = heldButtons.LEFT; button <= heldButtons.RIGHT; ++button) {
      heldButtons.send(button, false);
    }
  },
};

window.addEventListener('blur', heldButtons.releaseAll);
document.addEventListener('visibilitychange', function() {
  if (document.hidden) heldButtons.releaseAll();
});
