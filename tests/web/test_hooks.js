// The scenario page's side of the test's driver (web_user_driver.hpp), which calls these through
// the bridge: the form's hooks, and what a user sees of the controls, named as the form names them.
(function () {
  var element = function (name) {
    return document.querySelector('[data-name="' + name + '"]');
  };
  // The middle of box b as the place of a click in a bridge request.
  var at = function (b) {
    return ', "x": ' + Math.round(b.left + b.width / 2) + ', "y": ' + Math.round(b.top + b.height / 2);
  };
  var call = function (name, text, number) {
    var memory = allocateUTF8(text);
    try {
      return Module['_drobi_test_' + name](memory, number);
    } finally {
      _free(memory);
    }
  };
  // A print dialog cannot be answered in headless Chromium, and one left open keeps WebDriver's
  // print from the page: the page's asks for it are counted instead, and the test prints.
  var printed = 0;
  window.print = function () {
    ++printed;
  };
  Module['test'] = {
    printed: function () {
      return printed;
    },
    load: function () {
      Module['_drobi_test_load']();
    },
    script: function (draws, from) {
      call('script', draws.join(' '), from);
    },
    setText: function (field, text) {
      call('set_text', text, field);
    },
    state: function () {
      return UTF8ToString(Module['_drobi_test_state']());
    },
    // Calls `done` after the next frame, when the page has scrolled its selections into view.
    frame: function (done) {
      requestAnimationFrame(function () {
        done('');
      });
    },
    rows: function (name) {
      return Array.from(element(name).options, function (o) {
        return o.textContent + '\x1f';
      }).join('');
    },
    selected: function (name) {
      return element(name).selectedIndex;
    },
    text: function (name) {
      return element(name).value;
    },
    // The lines of the panel of the written division, none while it is closed.
    division: function () {
      var panel = document.getElementById('division');
      return panel.hidden ? '' : Array.from(panel.querySelector('.lines').children, function (l) {
        return l.textContent + '\x1f';
      }).join('');
    },
    // How many of the marks [line, first, count, underline, bold] have a character of theirs
    // outside a span or in one without their cues.
    unmarked: function (marks) {
      var lines = document.getElementById('division').querySelector('.lines').children;
      return marks.filter(function (m) {
        var seen = 0, wrong = false;
        lines[m[0]].childNodes.forEach(function (node) {
          var from = Math.max(seen, m[1]), to = Math.min(seen += node.textContent.length, m[1] + m[2]);
          var style = node.style;
          wrong = wrong || (from < to && !(style && style.background &&
              (!m[3] || style.textDecoration === 'underline') && (!m[4] || style.fontWeight === 'bold')));
        });
        return wrong;
      }).length;
    },
    // The message of «Въведете дроб» while it is open, '' once it closed.
    fractionMessage: function () {
      var dialog = document.getElementById('fraction');
      return dialog && dialog.open ? dialog.querySelector('[role=alert]').textContent : '';
    },
    // What a text of «Упражнения» shows for the eye; its spoken form with `spoken`.
    shown: function (name, spoken) {
      var box = element(name);
      return (spoken ? box.lastChild : box.firstChild).textContent;
    },
    focused: function () {
      var e = document.activeElement;
      return (e && e.dataset.name) || '';
    },
    focus: function (name) {
      element(name).focus();
    },
    // Scrolled into view first, as a user scrolls to what they click.
    middle: function (name) {
      element(name).scrollIntoView({block: 'nearest', inline: 'nearest'});
      return at(element(name).getBoundingClientRect());
    },
    // Into a text field's visible top left.
    inside: function (name) {
      element(name).scrollIntoView({block: 'nearest', inline: 'nearest'});
      var r = element(name).getBoundingClientRect();
      return at({left: r.left + 8, top: r.top + 4, width: 16, height: 8});
    },
    // A row scrolled into view, or the blank below the rows where the list leaves one ('' where
    // it does not).
    row: function (name, row) {
      var e = element(name), n = e.options.length, o = e.options[row];
      var l = e.getBoundingClientRect(), top = l.top + e.clientTop, bottom = top + e.clientHeight;
      if (o) {
        var r = o.getBoundingClientRect();
        e.scrollTop += Math.min(0, r.top - top) + Math.max(0, r.bottom - bottom);
        return at(o.getBoundingClientRect());
      }
      var below = n > 0 ? e.options[n - 1].getBoundingClientRect().bottom + 3 : top + 2;
      return below >= bottom - 1 ? '' : at({left: l.left, width: 16, top: below, height: 0});
    },
    // A point of the form's client area given in pixels at 100 %, `width` wide there.
    point: function (x, y, width) {
      var f = document.getElementById('form').getBoundingClientRect(), s = f.width / width;
      return at({left: f.left + x * s, top: f.top + y * s, width: 0, height: 0});
    },
    // What the first rows of a list show beside their texts, once the next frame is drawn.
    looks: function (name, count, done) {
      requestAnimationFrame(function () {
        done(Array.from(element(name).options).slice(0, count).map(function (o) {
          return [o.title, o.getAttribute('aria-label') || '', o.style.backgroundColor,
                  o.className, o.ariaDescription].join('|') + '\x1f';
        }).join(''));
      });
    },
  };
})();
