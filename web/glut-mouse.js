// The mouse is one pointer among the fingers (see glut-buttons.js): its buttons pressed on the
// picture hold it, the left alone flying forwards, the right alone backwards and both turning the
// view without flying, as on the desktop; pressed anywhere else, they hold nothing. Emscripten's
// GLUT counted a press anywhere on the page as held, and handed the motion callback the
// pointer's previous position instead of the new one; its handlers are replaced here, before
// glutInit installs them, which runs once the library is defined and before the program's main.
var mouseOnPicture = {
  bits: {0: 1, 2: 2},  // the left and right buttons' bits in a pointer event's buttons

  // The buttons the mouse holds on the picture after EVENT: those of HOLD still down, and the one
  // EVENT presses if it presses one there.
  buttons: function(event, hold) {
    var buttons = hold ? hold.buttons & event.buttons : 0;
    var pressed = mouseOnPicture.bits[event.button] & event.buttons;
    return pressed && event.target === Module['canvas'] ? buttons | pressed : buttons;
  },

  // What BUTTONS fly with: the left alone forwards, the right alone backwards, both nothing.
  flight: function(buttons) {
    if (buttons == 1) return heldButtons.LEFT;
    return buttons == 2 ? heldButtons.RIGHT : null;
  },

  // Every mouse event on the page: a press, a release or a move, which may press or release
  // another button as well.
  follow: function(event) {
    if (event.pointerType != 'mouse') return;
    var canvas = Module['canvas'], steerer = heldButtons.onPicture();
    var hold = steerer !== null && steerer.holder === event.pointerId ? steerer : null;
    if (steerer !== null && hold === null) return;
    heldButtons.move(event.pointerId, event);
    var buttons = mouseOnPicture.buttons(event, hold);
    if (buttons == 0) {
      if (hold !== null) heldButtons.letGo(canvas, event.pointerId);
      mouseOnPicture.hover(event);
    } else if (hold === null) {
      Browser.calculateMouseEvent(event);
      canvas.setPointerCapture(event.pointerId);
      heldButtons.hold(canvas, event.pointerId, mouseOnPicture.flight(buttons)).buttons = buttons;
    } else if (hold.buttons != buttons) {
      hold.buttons = buttons;
      hold.button = mouseOnPicture.flight(buttons);
      heldButtons.update();
    }
  },

  // The mouse over the picture holding nothing: GLUT's passive motion.
  hover: function(event) {
    if (event.target !== Module['canvas'] || event.type != 'pointermove') return;
    var x = Browser.mouseX, y = Browser.mouseY;
    Browser.calculateMouseEvent(event);
    if ((Browser.mouseX != x || Browser.mouseY != y) && GLUT.buttons == 0 &&
        GLUT.passiveMotionFunc) {
      getWasmTableEntry(GLUT.passiveMotionFunc)(Browser.mouseX, Browser.mouseY);
    }
  },

  // The mouse's hold ends when the browser cancels its pointer or takes the capture away.
  letGo: function(event) {
    if (event.pointerType == 'mouse') heldButtons.letGo(Module['canvas'], event.pointerId);
  },
};

['pointerdown', 'pointermove', 'pointerup'].forEach(function(type) {
  window.addEventListener(type, mouseOnPicture.follow, true);
});
window.addEventListener('pointercancel', mouseOnPicture.letGo, true);
Module['canvas'].addEventListener('lostpointercapture', mouseOnPicture.letGo);
GLUT.onMousemove = function() {};
GLUT.onMouseButtonUp = function() {};
// A press on the picture starts no text selection or drag of the page.
GLUT.onMouseButtonDown = function(event) {
  if (event.target === Module['canvas']) event.preventDefault();
};
