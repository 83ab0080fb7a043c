// The mouse buttons the program is told are held. Besides the real mouse, which the browser's
// GLUT reports itself, a finger on the picture and the on-screen fly controls hold them. The
// program sees only GLUT's button and motion events, as from a mouse.
(function() {
  var LEFT = 0, MIDDLE = 1, RIGHT = 2;
  var flying = null;  // the button a fly control holds: LEFT flies forwards, RIGHT backwards
  var finger = null;  // the pointer id of the finger on the picture

  function send(button, down) {
    var bit = 1 << button;
    if (!(GLUT.buttons & bit) == !down) return;
    GLUT.buttons ^= bit;
    if (GLUT.mouseFunc) {
      getWasmTableEntry(GLUT.mouseFunc)(button, down ? 0 : 1, Browser.mouseX, Browser.mouseY);
    }
  }

  // A finger alone holds both buttons, which turn the view without flying. Beside a fly control
  // it holds the middle button, which changes no flag but tells the program where the drag
  // starts, so the view turns as it flies. Every change happens between two frames.
  function update() {
    var turning = finger !== null && flying === null;
    send(LEFT, flying === LEFT || turning);
    send(RIGHT, flying === RIGHT || turning);
    send(MIDDLE, finger !== null && flying !== null);
  }

  // Whenever the page loses the pointer's events, every held button counts as released: its
  // release would go to another window or tab, and the camera would fly on for good. A cancelled
  // pointer releases only what it held itself (see below), as a finger scrolling the page
  // elsewhere must not stop a fly control the mouse holds.
  function releaseAll() {
    flying = null;
    finger = null;
    for (var button = LEFT; button <= RIGHT; ++button) send(button, false);
  }
  window.addEventListener('blur', releaseAll);
  document.addEventListener('visibilitychange', function() {
    if (document.hidden) releaseAll();
  });

  // GLUT would turn every touch into the left button, which flies; pointer events do it here.
  GLUT.touchHandler = function() {};

  var canvas = Module['canvas'];
  canvas.addEventListener('pointerdown', function(event) {
    if (event.pointerType == 'mouse') return;
    // No mouse events made up from the touch reach GLUT.
    event.preventDefault();
    if (finger !== null) return;
    finger = event.pointerId;
    Browser.calculateMouseEvent(event);
    update();
  });
  canvas.addEventListener('pointermove', function(event) {
    if (event.pointerId !== finger) return;
    var x = Browser.mouseX, y = Browser.mouseY;
    Browser.calculateMouseEvent(event);
    if ((Browser.mouseX != x || Browser.mouseY != y) && GLUT.motionFunc) {
      getWasmTableEntry(GLUT.motionFunc)(Browser.mouseX, Browser.mouseY);
    }
  });
  ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function(type) {
    canvas.addEventListener(type, function(event) {
      if (event.pointerId !== finger) return;
      finger = null;
      update();
    });
  });

  // A fly control flies while it is held by a pointer, or by Space or Enter while focused; only
  // the pointer that holds it lets it go.
  function flyControl(id, button) {
    var control = document.getElementById(id);
    var holder = null;  // the pointer id that holds the control, if a pointer does
    function hold() {
      flying = button;
      update();
    }
    function letGo() {
      holder = null;
      if (flying !== button) return;
      flying = null;
      update();
    }
    control.addEventListener('pointerdown', function(event) {
      if (event.button != 0) return;
      event.preventDefault();
      control.setPointerCapture(event.pointerId);
      holder = event.pointerId;
      hold();
    });
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function(type) {
      control.addEventListener(type, function(event) {
        if (event.pointerId === holder) letGo();
      });
    });
    control.addEventListener('blur', letGo);
    control.addEventListener('keydown', function(event) {
      if ((event.key == ' ' || event.key == 'Enter') && !event.repeat) hold();
    });
    control.addEventListener('keyup', function(event) {
      if (event.key == ' ' || event.key == 'Enter') letGo();
    });
  }
  flyControl('fly-forwards', LEFT);
  flyControl('fly-backwards', RIGHT);
})();
