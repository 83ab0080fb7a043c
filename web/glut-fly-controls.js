// A fly control flies while it is held by a pointer, or by Space or Enter while focused; only
// the pointer that holds it lets it go. It holds its button as heldButtons (glut-buttons.js)
// says: the left flies forwards, the right backwards.
var flyControls = {
  // A fly is the control's element, the button it holds and the id of the pointer that holds
  // it, if a pointer does.
  add: function(id, button) {
    var fly = {control: document.getElementById(id), button: button, holder: null};
    flyControls.listenToPointers(fly);
    flyControls.listenToKeys(fly);
  },

  hold: function(fly) {
    heldButtons.flying = fly.button;
    heldButtons.update();
  },

  letGo: function(fly) {
    fly.holder = null;
    if (heldButtons.flying !== fly.button) return;
    heldButtons.flying = null;
    heldButtons.update();
  },

  listenToPointers: function(fly) {
    fly.control.addEventListener('pointerdown', function(event) {
      if (event.button != 0) return;
      event.preventDefault();
      fly.control.setPointerCapture(event.pointerId);
      fly.holder = event.pointerId;
      flyControls.hold(fly);
    });
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function(type) {
      fly.control.addEventListener(type, function(event) {
        if (event.pointerId === fly.holder) flyControls.letGo(fly);
      });
    });
  },

  listenToKeys: function(fly) {
    fly.control.addEventListener('blur', function() { flyControls.letGo(fly); });
    fly.control.addEventListener('keydown', function(event) {
      if ((event.key == ' ' || event.key == 'Enter') && !event.repeat) flyControls.hold(fly);
    });
    fly.control.addEventListener('keyup', function(event) {
      if (event.key == ' ' || event.key == 'Enter') flyControls.letGo(fly);
    });
  },
};

flyControls.add('fly-forwards', heldButtons.LEFT);
flyControls.add('fly-backwards', heldButtons.RIGHT);
