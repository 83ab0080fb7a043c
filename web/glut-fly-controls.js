// A fly control flies while any pointer holds it, or Space or Enter while it is focused; each
// holder lets go only of its own hold. Held at once, the control pressed last flies. The holds
// are heldButtons' (glut-buttons.js): the left button flies forwards, the right backwards.
var flyControls = {
  keys: 'keys',  // the holder of a control held by Space or Enter

  add: function(id, button) {
    var control = document.getElementById(id);
    flyControls.listenToPointers(control, button);
    flyControls.listenToKeys(control, button);
  },

  listenToPointers: function(control, button) {
    control.addEventListener('pointerdown', function(event) {
      if (event.button != 0) return;
      event.preventDefault();
      control.setPointerCapture(event.pointerId);
      heldButtons.hold(control, event.pointerId, button);
    });
    ['pointerup', 'pointercancel', 'lostpointercapture'].forEach(function(type) {
      control.addEventListener(type, function(event) {
        heldButtons.letGo(control, event.pointerId);
      });
    });
  },

  listenToKeys: function(control, button) {
    control.addEventListener('blur', function() {
      heldButtons.letGo(control, flyControls.keys);
    });
    control.addEventListener('keydown', function(event) {
      if ((event.key == ' ' || event.key == 'Enter') && !event.repeat) {
        heldButtons.hold(control, flyControls.keys, button);
      }
    });
    control.addEventListener('keyup', function(event) {
      if (event.key == ' ' || event.key == 'Enter') heldButtons.letGo(control, flyControls.keys);
    });
  },
};

flyControls.add('fly-forwards', heldButtons.LEFT);
flyControls.add('fly-backwards', heldButtons.RIGHT);
