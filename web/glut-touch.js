// A finger on the picture holds buttons as heldButtons (glut-buttons.js) says, and its drag
// reaches the program as the mouse's would. Only one finger counts at a time.
var fingerOnPicture = {
  down: function(event) {
    if (event.pointerType == 'mouse') return;
    // No mouse events made up from the touch reach GLUT.
    event.preventDefault();
    if (heldButtons.finger !== null) return;
    heldButtons.finger = event.pointerId;
    Browser.calculateMouseEvent(event);
    heldButtons.update();
  },

  move: function(event) {
    if (event.pointerId !== heldButtons.finger) return;
    var x = Browser.mouseX, y = Browser.mouseY;
    Browser.calculateMouseEvent(event);
    if ((Browser.mouseX != x || Browser.mouseY != y) && GLUT.motionFunc) {
      getWasmTableEntry(GLUT.motionFunc)(Browser.mouseX, Browser.mouseY);
    }
  },

  up: function(event) {
    if (event.pointerId !== heldButtons.finger) return;
    heldButtons.finger = null;
    heldButtons.update();
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
