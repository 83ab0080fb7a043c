// A finger (or a pen) on the picture holds it as heldButtons (glut-buttons.js) says, and its
// drag reaches the program as the mouse's would; the mouse's own buttons are glut-mouse.js's.
var fingerOnPicture = {
  down: function(event) {
    if (event.pointerType == 'mouse') return;
    // No mouse events made up from the touch reach GLUT.
    event.preventDefault();
    if (heldButtons.onPicture() !== null) return;
    Browser.calculateMouseEvent(event);
    heldButtons.hold(Module['canvas'], event.pointerId, null);
  },

  move: function(event) {
    if (event.pointerType != 'mouse') heldButtons.move(event.pointerId, event);
  },

  up: function(event) {
    if (event.pointerType != 'mouse') heldButtons.letGo(Module['canvas'], event.pointerId);
  },

  listen: function(canvas) {
    canvas.addEventListener('pointerdown', fingerOnPicture.down);
    canvas.addEventListener('pointermove', fingerOnPicture.move);
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function(type) {
      canvas.addEventListener(type, fingerOnPicture.up);
    });
  },
};

// GLUT would turn every touch into the left button, which flies; pointer events do it here.
GLUT.touchHandler = function() {};
fingerOnPicture.listen(Module['canvas']);
