// The mouse buttons the program is told are held. Every pointer is one of many here: the mouse
// (glut-mouse.js), a finger or a pen on the picture (glut-touch.js), and any of them, or Space
// or Enter, on the fly controls (glut-fly-controls.js). Each holds what it pressed, and only
// that; a press anywhere else holds nothing. The program sees only GLUT's button and motion
// events, as from one mouse.
var heldButtons = {
  LEFT: 0,
  MIDDLE: 1,
  RIGHT: 2,
  // The holds in the order they began, each the control it is on (a fly control, or the
  // picture), who holds it (a pointer's id, or the keys) and the button it flies with: LEFT
  // forwards, RIGHT backwards, or null for a hold that only turns the view. The last one that
  // flies flies; when it ends, the flight goes back to the one before it. The picture takes one
  // pointer at a time, whose drag turns the view.
  holds: [],

  send: function(button, down) {
    var bit = 1 << button;
    if (!(GLUT.buttons & bit) == !down) return;
    GLUT.buttons ^= bit;
    if (GLUT.mouseFunc) {
      getWasmTableEntry(GLUT.mouseFunc)(button, down ? 0 : 1, Browser.mouseX, Browser.mouseY);
    }
  },

  onPicture: function() {
    var canvas = Module['canvas'];
    return heldButtons.holds.find(function(hold) { return hold.control === canvas; }) || null;
  },

  // A pointer alone on the picture holds both buttons, which turn the view without flying, as
  // the mouse's two buttons do. Beside a hold that flies it holds the middle button, which
  // changes no flag but tells the program where the drag starts, so the view turns as it flies.
  // Every change happens between two frames.
  update: function() {
    var flier = null;
    heldButtons.holds.forEach(function(hold) { if (hold.button !== null) flier = hold; });
    var steerer = heldButtons.onPicture(), flying = flier ? flier.button : null;
    var turning = steerer !== null && flying === null;
    heldButtons.send(heldButtons.LEFT, flying === heldButtons.LEFT || turning);
    heldButtons.send(heldButtons.RIGHT, flying === heldButtons.RIGHT || turning);
    heldButtons.send(heldButtons.MIDDLE, steerer !== null && flier !== null && flier !== steerer);
  },

  // HOLDER's hold on CONTROL begins (again), flying with BUTTON; the hold is returned.
  hold: function(control, holder, button) {
    heldButtons.drop(control, holder);
    var hold = {control: control, holder: holder, button: button};
    heldButtons.holds.push(hold);
    heldButtons.update();
    return hold;
  },

  letGo: function(control, holder) {
    heldButtons.drop(control, holder);
    heldButtons.update();
  },

  drop: function(control, holder) {
    heldButtons.holds = heldButtons.holds.filter(function(hold) {
      return hold.control !== control || hold.holder !== holder;
    });
  },

  // A move of HOLDER's pointer turns the view if it holds the picture; says whether it does.
  move: function(holder, event) {
    var steerer = heldButtons.onPicture();
    if (steerer === null || steerer.holder !== holder) return false;
    var x = Browser.mouseX, y = Browser.mouseY;
    Browser.calculateMouseEvent(event);
    if ((Browser.mouseX != x || Browser.mouseY != y) && GLUT.motionFunc) {
      getWasmTableEntry(GLUT.motionFunc)(Browser.mouseX, Browser.mouseY);
    }
    return true;
  },

  // Whenever the page loses the pointer's events, every held button counts as released: its
  // release would go to another window or tab, and the camera would fly on for good. A cancelled
  // pointer releases only what it held itself, as a finger scrolling the page elsewhere must not
  // stop a fly control the mouse holds.
  releaseAll: function() {
    heldButtons.holds = [];
    for (var button = heldButtons.LEFT; button <= heldButtons.RIGHT; ++button) {
      heldButtons.send(button, false);
    }
  },
};

window.addEventListener('blur', heldButtons.releaseAll);
document.addEventListener('visibilitychange', function() {
  if (document.hidden) heldButtons.releaseAll();
});
