// The document side of the page: makes and places the elements that the C++ binding asks for and
// hands the user's input back to it. It decides nothing: places, texts, colours, marks and what a
// click does all come from the C++ side.
mergeInto(LibraryManager.library, {
  $DrobiDom: {
    controls: [],
    // Elements beside the form that Tab reaches after its controls while they take the focus.
    more: [],
    form: null,
    // The list row that a press landed on while it was the selected one: the release makes it a
    // click of its own, as no change event follows.
    pressed: -1,
    call: function (name, args) {
      Module['_' + name].apply(null, args);
    },
    input: function (control, text) {
      var at = allocateUTF8(text);
      try {
        Module['_drobi_page_input'](control, at);
      } finally {
        _free(at);
      }
    },
    // What a screen reader is to say once, beside what it reads of the focused element.
    said: null,
    // Tab and Shift+Tab go round the controls that take the focus, as in the window.
    tab: function (event) {
      if (event.key !== 'Tab' || event.ctrlKey || event.altKey) return;
      // A modal dialog keeps Tab among its own controls, as the browser does it.
      if (document.querySelector('dialog[open]')) return;
      var ring = DrobiDom.controls.concat(DrobiDom.more).filter(function (c) {
        return c.takesFocus && !c.disabled && !c.closest('[hidden]');
      });
      var at = ring.indexOf(document.activeElement);
      var next = event.shiftKey ? (at <= 0 ? ring.length - 1 : at - 1) : (at + 1) % ring.length;
      if (ring.length === 0) return;
      event.preventDefault();
      ring[next].focus();
    },
  },

  drobi_dom_open__deps: ['$DrobiDom'],
  drobi_dom_open: function (title, spoken, back, fonts) {
    document.title = UTF8ToString(title);
    // The title stays for the eye; a screen reader names the document in words.
    document.documentElement.setAttribute('aria-label', UTF8ToString(spoken));
    document.documentElement.style.setProperty('--back', UTF8ToString(back));
    document.documentElement.style.setProperty('--fonts', UTF8ToString(fonts));
    DrobiDom.form = document.getElementById('form');
    DrobiDom.said = document.createElement('div');
    DrobiDom.said.className = 'name';
    DrobiDom.said.setAttribute('aria-live', 'polite');
    DrobiDom.form.appendChild(DrobiDom.said);
    document.addEventListener('keydown', DrobiDom.tab);
    window.addEventListener('resize', function () {
      Module['_drobi_page_resize']();
    });
  },

  drobi_dom_add__deps: ['$DrobiDom'],
  drobi_dom_add: function (index, kind, name, caption, hover, spokenHover, spoken, back,
                          takesFocus) {
    var tags = ['select', 'textarea', 'div', 'button', 'button'];
    var element = document.createElement(tags[kind]);
    element.id = 'control' + index;
    element.dataset.name = UTF8ToString(name);
    element.takesFocus = takesFocus !== 0;
    if (caption) element.textContent = UTF8ToString(caption);
    // The title is the hover for the mouse; a screen reader is given the description in words,
    // which keeps the browser from giving it the title.
    if (hover) element.title = UTF8ToString(hover);
    var description = UTF8ToString(spokenHover);
    if (description) element.setAttribute('aria-description', description);
    if (UTF8ToString(back)) element.style.background = UTF8ToString(back);
    // Named without a text of its own in the document, which a screen reader would come upon
    // before the control and then leave out of the control's name.
    if (spoken) element.setAttribute('aria-label', UTF8ToString(spoken));
    var call = DrobiDom.call;
    if (kind === 0) {
      element.size = 2;  // a list box, never a drop-down
      element.addEventListener('focus', function () {
        call('drobi_page_focus', [index]);
      });
      element.addEventListener('blur', function () {
        DrobiDom.said.textContent = '';
      });
      element.addEventListener('mousedown', function (event) {
        var row = event.target.tagName === 'OPTION' ? event.target.index : -1;
        DrobiDom.pressed = row >= 0 && element.selectedIndex === row ? row : -1;
      });
      element.addEventListener('click', function () {
        var row = DrobiDom.pressed;
        DrobiDom.pressed = -1;
        if (row >= 0) call('drobi_page_press', [index, row]);
      });
      element.addEventListener('change', function () {
        DrobiDom.pressed = -1;
        call('drobi_page_change', [index, element.selectedIndex]);
      });
      element.addEventListener('scroll', function () {
        call('drobi_page_scroll', [index]);
      });
    } else if (kind === 1) {
      element.spellcheck = false;
      element.addEventListener('input', function () {
        DrobiDom.input(index, element.value);
      });
    } else if (kind === 2) {
      element.className = 'caption';
    } else {
      element.type = 'button';
      if (kind === 4) {
        element.className = 'spot';
        element.tabIndex = -1;
        // A press on the spot leaves the focus where it was, as the window's spot does.
        element.addEventListener('mousedown', function (event) {
          event.preventDefault();
        });
      }
      element.addEventListener('click', function () {
        call('drobi_page_click', [index]);
      });
    }
    DrobiDom.controls[index] = element;
    DrobiDom.form.appendChild(element);
  },

  drobi_dom_place_form__deps: ['$DrobiDom'],
  drobi_dom_place_form: function (left, top, width, height) {
    var style = DrobiDom.form.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
  },

  drobi_dom_place__deps: ['$DrobiDom'],
  drobi_dom_place: function (index, left, top, width, height, font) {
    var style = DrobiDom.controls[index].style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    style.fontSize = font + 'px';
  },

  // The width without the room that the style sheet keeps for the vertical scroll bar, the height
  // with the horizontal one's: a page that comes to scroll keeps the size it was laid out at. The
  // width is measured again only when the window's size or the browser's zoom changed, as the
  // measure lays out the document, which a panel just filled makes costly.
  drobi_dom_view_width__deps: ['$DrobiDom'],
  drobi_dom_view_width: function () {
    var key = [innerWidth, innerHeight, devicePixelRatio].join();
    if (DrobiDom.widthKey !== key) DrobiDom.width = document.documentElement.clientWidth;
    DrobiDom.widthKey = key;
    return DrobiDom.width;
  },
  drobi_dom_view_height: function () {
    return window.innerHeight;
  },

  drobi_dom_set_rows__deps: ['$DrobiDom'],
  drobi_dom_set_rows: function (index, rows) {
    var list = DrobiDom.controls[index];
    var texts = UTF8ToString(rows).split('\n');
    texts.pop();
    var options = list.options;
    while (options.length > texts.length) list.remove(options.length - 1);
    for (var row = 0; row < texts.length; ++row) {
      var option = options[row];
      if (!option) option = list.appendChild(document.createElement('option'));
      // Only what differs is written: a refilled long number mostly keeps its digits' rows.
      var text = option.firstChild;
      if (!text) option.textContent = texts[row];
      else if (text.data !== texts[row]) text.data = texts[row];
      if (option.title) option.removeAttribute('title');
      if (option.hasAttribute('aria-label')) option.removeAttribute('aria-label');
      if (option.hasAttribute('aria-description')) option.removeAttribute('aria-description');
      if (option.style.background) option.style.background = '';
      if (option.className) option.className = '';
    }
  },

  drobi_dom_focus__deps: ['$DrobiDom'],
  drobi_dom_focus: function (index) {
    var element = DrobiDom.controls[index];
    // Once the document has loaded: a screen reader presents a page when it has loaded, and a
    // focus before that is said amid the loading, or not at all.
    if (document.readyState === 'complete') element.focus();
    else window.addEventListener('load', function () { element.focus(); }, {once: true});
  },

  drobi_dom_say__deps: ['$DrobiDom'],
  drobi_dom_say: function (text) {
    DrobiDom.said.textContent = UTF8ToString(text);
  },

  drobi_dom_select__deps: ['$DrobiDom'],
  drobi_dom_select: function (index, row) {
    DrobiDom.controls[index].selectedIndex = row;
  },

  // The work that needs the document laid out waits for the next frame, which lays it out anyway:
  // reading a box in a handler would lay it out once more for every list.
  drobi_dom_request_frame__deps: ['$DrobiDom'],
  drobi_dom_request_frame: function () {
    if (DrobiDom.frame) return;
    DrobiDom.frame = requestAnimationFrame(function () {
      DrobiDom.frame = 0;
      Module['_drobi_page_frame']();
    });
  },

  drobi_dom_reveal_selection__deps: ['$DrobiDom'],
  drobi_dom_reveal_selection: function (index) {
    var list = DrobiDom.controls[index];
    var option = list.options[list.selectedIndex];
    if (!option) return;
    // In view as the window keeps it, without moving the page.
    var box = list.getBoundingClientRect(), row = option.getBoundingClientRect();
    var top = box.top + list.clientTop;
    list.scrollTop += Math.min(0, row.top - top) +
        Math.max(0, row.bottom - (top + list.clientHeight));
  },

  drobi_dom_row_look__deps: ['$DrobiDom'],
  drobi_dom_row_look: function (index, row, hover, spoken, note, tint, lineAbove) {
    var option = DrobiDom.controls[index].options[row];
    var title = UTF8ToString(hover);
    var name = UTF8ToString(spoken);
    var colour = UTF8ToString(tint);
    if (title) option.title = title;
    if (name) option.setAttribute('aria-label', name);
    // Also where the row has no note: an empty description keeps the title from a reader.
    option.setAttribute('aria-description', UTF8ToString(note));
    option.style.background = colour;
    option.className = lineAbove ? 'turn' : '';
  },

  drobi_dom_rows_in_view__deps: ['$DrobiDom'],
  drobi_dom_rows_in_view: function (index) {
    var list = DrobiDom.controls[index];
    if (list.options.length === 0) return 0;
    var height = list.options[0].getBoundingClientRect().height || 1;
    var last = Math.ceil((list.scrollTop + list.clientHeight) / height);
    return Math.floor(list.scrollTop / height) * 65536 + Math.min(last, list.options.length - 1);
  },

  drobi_dom_set_text__deps: ['$DrobiDom'],
  drobi_dom_set_text: function (index, text) {
    var field = DrobiDom.controls[index];
    var value = UTF8ToString(text);
    if (field.value !== value) field.value = value;
  },

  drobi_dom_show_error: function (message, ending) {
    var dialog = document.getElementById('error');
    document.getElementById('error-message').textContent = UTF8ToString(message);
    document.getElementById('error-ending').textContent = UTF8ToString(ending);
    // Escape does not close it: the program has ended, and only starting again goes on.
    dialog.addEventListener('cancel', function (event) {
      event.preventDefault();
    });
    document.getElementById('form').inert = true;
    dialog.showModal();
  },

  drobi_dom_started: function () {
    performance.mark('drobi-table');
  },

  drobi_dom_number_style: function () {
    var parts = new Intl.NumberFormat(navigator.language).formatToParts(-1234567.5);
    var style = {decimal: '.', group: '', minusSign: '-'};
    var groups = [];
    parts.forEach(function (part) {
      if (part.type in style) style[part.type] = part.value;
      if (part.type === 'integer') groups.push(part.value.length);
    });
    var size = groups.length > 1 ? groups[groups.length - 1] : 0;
    return allocateUTF8([style.decimal, style.group, style.minusSign, size, ''].join('\n'));
  },

  // The menu bar, the panel of the written division and «Относно» (dom_views.hpp). What they show
  // and whether an entry does anything come from the C++ side; here they open, close and take the
  // keys and the focus as menus and panels do.
  $DrobiViews__deps: ['$DrobiDom'],
  $DrobiViews: {
    bar: null,
    menus: [],
    commands: [],  // by CommandId: {entry, shortcut, enabled}
    opened: -1,  // the open menu
    back: null,  // what had the focus before a menu took it
    panel: null,
    lines: null,
    panelBack: null,  // what had the focus before the panel took it
    joined: '',
    // A modal <dialog>, made once, named by its heading: the form in it, for its fields.
    dialog: function (id) {
      var dialog = document.body.appendChild(document.createElement('dialog'));
      dialog.id = id;
      dialog.setAttribute('aria-labelledby', id + '-title');
      dialog.appendChild(document.createElement('h1')).id = id + '-title';
      return dialog.appendChild(document.createElement('form'));
    },
    // Below the dialog's fields: its message, an alert a screen reader says as it changes, then
    // the button that submits the form and the one that closes the dialog.
    dialogEnd: function (form, submitName, closeName) {
      var id = form.parentNode.id;
      var message = form.appendChild(document.createElement('p'));
      message.id = message.dataset.name = id + '-message';
      message.setAttribute('role', 'alert');
      var buttons = form.appendChild(document.createElement('div'));
      buttons.className = 'buttons';
      var submit = buttons.appendChild(document.createElement('button'));
      submit.type = 'submit';
      submit.dataset.name = id + '-' + submitName;
      var close = buttons.appendChild(document.createElement('button'));
      close.type = 'button';
      close.dataset.name = id + '-' + closeName;
      close.addEventListener('click', function () {
        form.parentNode.close();
      });
      return submit;
    },
    // The title's texts into `element`, the access key underlined; the key in lower case.
    title: function (element, before, key, after) {
      var letter = UTF8ToString(key);
      element.appendChild(document.createTextNode(UTF8ToString(before)));
      if (letter) {
        var span = element.appendChild(document.createElement('span'));
        span.className = 'key';
        span.textContent = letter;
      }
      element.appendChild(document.createTextNode(UTF8ToString(after)));
      return letter.toLowerCase();
    },
    makeBar: function () {
      var views = DrobiViews, bar = document.createElement('div');
      bar.id = 'bar';
      bar.setAttribute('role', 'menubar');
      document.body.insertBefore(bar, document.body.firstChild);
      views.bar = bar;
      document.addEventListener('keydown', views.key);
      // Before the press moves the focus into the bar.
      bar.addEventListener('pointerdown', function () {
        if (views.opened < 0 && !bar.contains(document.activeElement)) {
          views.back = document.activeElement;
        }
      });
      document.addEventListener('pointerdown', function (event) {
        if (views.opened >= 0 && !bar.contains(event.target)) views.shut(false);
      });
      bar.addEventListener('focusout', function (event) {
        if (views.opened >= 0 && !bar.contains(event.relatedTarget)) views.shut(false);
      });
    },
    // Opens menu `index` with the focus on its entry `entry` (0 the first, -1 the last).
    show: function (index, entry) {
      var views = DrobiViews;
      if (views.opened < 0 && !views.bar.contains(document.activeElement)) {
        views.back = document.activeElement;
      }
      views.menus.forEach(function (menu, i) {
        menu.list.hidden = i !== index;
        menu.button.setAttribute('aria-expanded', i === index ? 'true' : 'false');
      });
      views.opened = index;
      views.move(entry || 0);
    },
    // The focus to entry `at` of the open menu, counted round from either end.
    move: function (at) {
      var entries = DrobiViews.menus[DrobiViews.opened].entries;
      entries[((at % entries.length) + entries.length) % entries.length].focus();
    },
    // Closes the open menu; `restore` gives the focus back to where it was before.
    shut: function (restore) {
      var views = DrobiViews, menu = views.menus[views.opened];
      if (!menu) return;
      views.opened = -1;
      menu.list.hidden = true;
      menu.button.setAttribute('aria-expanded', 'false');
      if (restore && views.back && views.back.isConnected) views.back.focus();
    },
    choose: function (command) {
      if (!DrobiViews.commands[command].enabled) return;
      DrobiViews.shut(true);
      Module['_drobi_page_command'](command);
    },
    // The command whose shortcut the pressed key is, or -1: a letter or digit by its place on the
    // keyboard, whatever the layout writes there; plus and minus also on the keypad, and plus on
    // the = key, as the desktop's windows take them.
    shortcut: function (event) {
      var commands = DrobiViews.commands, code = event.code, key = event.key;
      for (var c = 0; c < commands.length; ++c) {
        var k = commands[c] ? commands[c].shortcut : '';
        var plain = !event.shiftKey;
        if (!k) continue;
        if (k >= 'A' && k <= 'Z' ? plain && code === 'Key' + k
            : k >= '0' && k <= '9' ? plain && (code === 'Digit' + k || code === 'Numpad' + k)
            : k === '+' ? key === '+' || key === '=' || code === 'NumpadAdd'
            : k === '-' ? key === '-' || code === 'NumpadSubtract'
            : key === k) {
          return c;
        }
      }
      return -1;
    },
    key: function (event) {
      var views = DrobiViews, name = event.key, lower = name.toLowerCase();
      if (event.metaKey) return;
      if (event.ctrlKey && !event.altKey) {
        var command = views.shortcut(event);
        // Left to the browser where the page does nothing with it.
        if (command < 0 || !views.commands[command].enabled) return;
        event.preventDefault();
        views.choose(command);
        return;
      }
      if (event.ctrlKey) return;
      if (event.altKey) {
        var menu = views.menus.findIndex(function (m) {
          return m.key === lower;
        });
        if (menu < 0) return;
        event.preventDefault();
        views.show(menu, 0);
        return;
      }
      if (views.opened < 0) return;
      var entries = views.menus[views.opened].entries, at = entries.indexOf(document.activeElement);
      var count = views.menus.length;
      if (name === 'Escape') views.shut(true);
      else if (name === 'ArrowDown') views.move(at + 1);
      else if (name === 'ArrowUp') views.move(at < 0 ? -1 : at - 1);
      else if (name === 'Home') views.move(0);
      else if (name === 'End') views.move(-1);
      else if (name === 'ArrowRight') views.show((views.opened + 1) % count, 0);
      else if (name === 'ArrowLeft') views.show((views.opened + count - 1) % count, 0);
      else {
        var hit = entries.find(function (e) {
          return e.key && e.key === lower;
        });
        if (!hit) return;
        views.choose(hit.command);
      }
      event.preventDefault();
    },
  },

  drobi_dom_add_menu__deps: ['$DrobiViews'],
  drobi_dom_add_menu: function (index, before, key, after) {
    var views = DrobiViews;
    if (!views.bar) views.makeBar();
    var box = views.bar.appendChild(document.createElement('div'));
    box.setAttribute('role', 'none');
    box.className = 'menu-box';
    var button = box.appendChild(document.createElement('button'));
    button.type = 'button';
    button.id = 'menu' + index;
    button.dataset.name = button.id;
    button.tabIndex = -1;
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-haspopup', 'menu');
    button.setAttribute('aria-expanded', 'false');
    var letter = views.title(button, before, key, after);
    if (letter) button.setAttribute('aria-keyshortcuts', 'Alt+' + UTF8ToString(key));
    var list = box.appendChild(document.createElement('div'));
    list.className = 'menu';
    list.hidden = true;
    list.setAttribute('role', 'menu');
    list.setAttribute('aria-labelledby', button.id);
    button.addEventListener('click', function () {
      if (views.opened === index) views.shut(true);
      else views.show(index, 0);
    });
    views.menus[index] = {button: button, list: list, key: letter, entries: []};
  },

  drobi_dom_add_command__deps: ['$DrobiViews'],
  drobi_dom_add_command: function (menu, command, before, key, after, shortcut, shortcutKey,
                                   spoken) {
    var views = DrobiViews, entry = document.createElement('button');
    entry.type = 'button';
    entry.dataset.name = 'command' + command;
    entry.tabIndex = -1;
    entry.setAttribute('role', 'menuitem');
    var title = entry.appendChild(document.createElement('span'));
    entry.key = views.title(title, before, key, after);
    entry.command = command;
    var keys = entry.appendChild(document.createElement('span'));
    keys.className = 'shortcut';
    keys.textContent = UTF8ToString(shortcut);
    if (UTF8ToString(spoken)) entry.setAttribute('aria-label', UTF8ToString(spoken));
    entry.addEventListener('click', function () {
      views.choose(command);
    });
    views.menus[menu].entries.push(entry);
    views.menus[menu].list.appendChild(entry);
    views.commands[command] = {
      entry: entry, shortcut: shortcutKey ? String.fromCharCode(shortcutKey) : '', enabled: true};
  },

  drobi_dom_enable_command__deps: ['$DrobiViews'],
  drobi_dom_enable_command: function (command, enabled) {
    var c = DrobiViews.commands[command];
    c.enabled = enabled !== 0;
    // Still reached with the arrow keys and read, as a menu's disabled entries are.
    c.entry.setAttribute('aria-disabled', c.enabled ? 'false' : 'true');
  },

  drobi_dom_bar_height__deps: ['$DrobiViews'],
  // Measured again only when the window's size or the browser's zoom changed: measuring lays out
  // the whole document, which a panel just filled would make costly.
  drobi_dom_bar_height: function () {
    var views = DrobiViews, key = [innerWidth, innerHeight, devicePixelRatio].join();
    if (!views.bar) return 0;
    if (views.barKey !== key) views.barHeight = views.bar.offsetHeight;
    views.barKey = key;
    return views.barHeight;
  },

  drobi_dom_make_division__deps: ['$DrobiViews', '$DrobiDom'],
  drobi_dom_make_division: function (title, close, fonts, opener, command) {
    var views = DrobiViews, panel = document.createElement('section');
    panel.id = 'division';
    panel.hidden = true;
    panel.setAttribute('aria-labelledby', 'division-title');
    var head = panel.appendChild(document.createElement('div'));
    head.className = 'head';
    var heading = head.appendChild(document.createElement('h2'));
    heading.id = 'division-title';
    heading.textContent = UTF8ToString(title);
    var button = head.appendChild(document.createElement('button'));
    button.type = 'button';
    button.dataset.name = 'division-close';
    button.textContent = UTF8ToString(close);
    button.addEventListener('click', function () {
      Module['_drobi_page_close_division']();
    });
    var lines = panel.appendChild(document.createElement('div'));
    lines.className = 'lines';
    lines.dataset.name = 'division';
    lines.tabIndex = 0;
    lines.setAttribute('role', 'document');
    lines.setAttribute('aria-labelledby', 'division-title');
    lines.style.fontFamily = UTF8ToString(fonts);
    document.getElementById('form').after(panel);
    views.panel = panel;
    views.lines = lines;
    DrobiDom.more.push(lines, button);
    panel.addEventListener('keydown', function (event) {
      if (event.key !== 'Escape') return;
      event.preventDefault();
      Module['_drobi_page_close_division']();
    });
    // Ctrl+C with nothing selected copies the whole division; with a selection the browser copies
    // it. beforecopy's preventDefault lets the browser copy with nothing selected.
    var whole = function () {
      return !panel.hidden && panel.contains(document.activeElement) &&
          document.getSelection().isCollapsed;
    };
    document.addEventListener('beforecopy', function (event) {
      if (whole()) event.preventDefault();
    });
    document.addEventListener('copy', function (event) {
      if (!whole()) return;
      event.clipboardData.setData('text/plain', views.joined);
      event.preventDefault();
    });
    // Enter, a double click, or two taps on the same row of the long number open the panel.
    var list = DrobiDom.controls[opener], tapped = {row: -1, at: 0};
    var open = function () {
      Module['_drobi_page_command'](command);
    };
    list.addEventListener('keydown', function (event) {
      if (event.key !== 'Enter' || event.ctrlKey || event.altKey || event.metaKey) return;
      event.preventDefault();
      open();
    });
    list.addEventListener('dblclick', function (event) {
      if (event.target.tagName === 'OPTION') open();
    });
    list.addEventListener('pointerup', function (event) {
      if (event.pointerType !== 'touch' || event.target.tagName !== 'OPTION') return;
      var row = event.target.index, again = row === tapped.row && event.timeStamp - tapped.at < 500;
      tapped = {row: again ? -1 : row, at: event.timeStamp};
      if (again) open();
    });
  },

  drobi_dom_show_division__deps: ['$DrobiViews'],
  drobi_dom_show_division: function (open) {
    var views = DrobiViews, panel = views.panel, inside = panel.contains(document.activeElement);
    if (open && panel.hidden) views.panelBack = document.activeElement;
    panel.hidden = !open;
    panel.querySelectorAll('[tabindex], button').forEach(function (e) {
      e.takesFocus = !!open;
    });
    if (open) {
      views.lines.focus({preventScroll: true});
      // All of it in view where the window has room for it, else as much as fits; in the next
      // frame, which lays out the new lines in any case.
      requestAnimationFrame(function () {
        panel.scrollIntoView({block: 'nearest', inline: 'nearest'});
      });
    }
    else if (inside && views.panelBack && views.panelBack.isConnected) views.panelBack.focus();
  },

  drobi_dom_place_division__deps: ['$DrobiViews'],
  drobi_dom_place_division: function (left, top, width, height, font) {
    var style = DrobiViews.panel.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    DrobiViews.lines.style.fontSize = font + 'px';
  },

  drobi_dom_division_line__deps: ['$DrobiViews'],
  drobi_dom_division_line: function (line, runs) {
    var box = DrobiViews.lines, parts = UTF8ToString(runs).split('\x1f');
    var element = box.children[line] || box.appendChild(document.createElement('div'));
    element.textContent = '';
    for (var i = 0; i + 1 < parts.length; i += 2) {
      var look = parts[i], text = document.createTextNode(parts[i + 1]);
      if (!look) {
        element.appendChild(text);
        continue;
      }
      var span = element.appendChild(document.createElement('span'));
      var tint = look.charAt(0) === '#' ? look.slice(0, 7) : '', cues = look.slice(tint.length);
      span.style.background = tint;
      if (cues.indexOf('u') >= 0) span.style.textDecoration = 'underline';
      if (cues.indexOf('b') >= 0) span.style.fontWeight = 'bold';
      span.appendChild(text);
    }
  },

  drobi_dom_division_end__deps: ['$DrobiViews'],
  drobi_dom_division_end: function (lines, joined) {
    var box = DrobiViews.lines;
    while (box.children.length > lines) box.removeChild(box.lastChild);
    DrobiViews.joined = UTF8ToString(joined);
  },

  // Escape closes it, as any modal dialog, and the focus goes back to where it was.
  drobi_dom_show_about: function (title, lines, close) {
    var dialog = document.getElementById('about');
    if (!dialog) {
      dialog = document.body.appendChild(document.createElement('dialog'));
      dialog.id = 'about';
      dialog.setAttribute('aria-labelledby', 'about-title');
      dialog.appendChild(document.createElement('h1')).id = 'about-title';
      dialog.appendChild(document.createElement('div'));
      var button = dialog.appendChild(document.createElement('button'));
      button.type = 'button';
      button.dataset.name = 'about-close';
      button.addEventListener('click', function () {
        dialog.close();
      });
    }
    dialog.querySelector('h1').textContent = UTF8ToString(title);
    var box = dialog.querySelector('div');
    box.textContent = '';
    UTF8ToString(lines).split('\n').slice(0, -1).forEach(function (line) {
      box.appendChild(document.createElement('p')).textContent = line;
    });
    dialog.querySelector('button').textContent = UTF8ToString(close);
    dialog.showModal();
    dialog.querySelector('button').focus();
  },

  // «Въведете дроб»: a modal <dialog> whose form Enter submits; Escape cancels it, as any modal
  // dialog. What was typed goes to the C++ side as it is, and back into the document only as the
  // field's value; the message is text in an alert, which a screen reader says when it changes.
  drobi_dom_show_fraction_entry__deps: ['$DrobiViews'],
  drobi_dom_show_fraction_entry: function (title, fieldName, hint, accept, cancel) {
    var dialog = document.getElementById('fraction');
    if (!dialog) {
      var form = DrobiViews.dialog('fraction');
      dialog = form.parentNode;
      var field = form.appendChild(document.createElement('input'));
      field.type = 'text';
      field.dataset.name = 'fraction-field';
      field.autocomplete = 'off';
      field.spellcheck = false;
      field.setAttribute('aria-describedby', 'fraction-message');
      DrobiViews.dialogEnd(form, 'accept', 'cancel');
      form.addEventListener('submit', function (event) {
        event.preventDefault();
        var at = allocateUTF8(field.value);
        try {
          Module['_drobi_page_enter_fraction'](at);
        } finally {
          _free(at);
        }
      });
    }
    dialog.querySelector('h1').textContent = UTF8ToString(title);
    var input = dialog.querySelector('input');
    input.placeholder = UTF8ToString(hint);
    input.setAttribute('aria-label', UTF8ToString(fieldName));
    input.value = '';
    dialog.querySelector('p').textContent = '';
    dialog.querySelector('[type=submit]').textContent = UTF8ToString(accept);
    dialog.querySelector('[type=button]').textContent = UTF8ToString(cancel);
    if (!dialog.open) dialog.showModal();
    input.focus();
  },

  // «Упражнения» (ExerciseAction in exercises_panel.hpp gives the actions' numbers). Every text
  // is shown for the eye and given in words to a screen reader: the question is the description
  // of the answer field and buttons, the verdict and the count a status said when it changes.
  // The keys К and П alone answer while their buttons are shown; Alt and a button's underlined
  // letter presses it while the focus is in the panel, before the menus take the letter.
  drobi_dom_make_exercises__deps: ['$DrobiViews', '$DrobiDom'],
  drobi_dom_make_exercises: function (title, close, kinds, buttons, answerName) {
    var views = DrobiViews, panel = document.createElement('section');
    var make = function (parent, tag, name) {
      var element = parent.appendChild(document.createElement(tag));
      if (name) element.dataset.name = name;
      return element;
    };
    var act = function (action) {
      var at = allocateUTF8(field.value);
      try {
        Module['_drobi_page_exercise'](action, at);
      } finally {
        _free(at);
      }
    };
    // A text shown for the eye, with its spoken form beside it for a screen reader only.
    var said = function (parent, name) {
      var box = make(parent, 'div', name);
      make(box, 'span').setAttribute('aria-hidden', 'true');
      make(box, 'span').className = 'name';
      return box;
    };
    var button = function (parent, parts, action, name) {
      var b = make(parent, 'button', name || 'exercise' + action);
      b.type = 'button';
      b.key = views.title(b, parts[0], parts[1], parts[2]);
      if (b.key) b.setAttribute('aria-keyshortcuts', 'Alt+' + b.key.toUpperCase());
      b.addEventListener('click', function () {
        act(action);
      });
      return b;
    };
    var split = function (texts) {
      var parts = [];
      for (var i = 0; i + 2 < texts.length; i += 3) {
        parts.push([texts[i], texts[i + 1], texts[i + 2]].map(allocateUTF8));
      }
      return parts;
    };
    var free = function (parts) {
      parts.forEach(function (p) {
        p.forEach(_free);
      });
    };
    panel.id = 'exercises';
    panel.hidden = true;
    panel.setAttribute('aria-labelledby', 'exercises-title');
    var head = make(panel, 'div');
    head.className = 'head';
    var heading = make(head, 'h2');
    heading.id = 'exercises-title';
    heading.textContent = UTF8ToString(title);
    var shut = make(head, 'button', 'exercises-close');
    shut.type = 'button';
    shut.textContent = UTF8ToString(close);
    shut.addEventListener('click', function () {
      act(8);
    });
    var body = make(panel, 'div');
    body.className = 'body';
    var kindBox = make(body, 'div');
    kindBox.className = 'kinds';
    kindBox.setAttribute('role', 'group');
    kindBox.setAttribute('aria-labelledby', 'exercises-title');
    var kindParts = split(UTF8ToString(kinds).split('\x1f'));
    var kindButtons = kindParts.map(function (p, k) {
      return button(kindBox, p, 16 + k, 'kind' + k);
    });
    free(kindParts);
    var question = said(body, 'question');
    question.id = 'exercise-question';
    question.className = 'question';
    var answer = make(body, 'form');
    answer.className = 'answer';
    var field = make(answer, 'input', 'answer');
    field.type = 'text';
    field.autocomplete = 'off';
    field.spellcheck = false;
    field.setAttribute('aria-label', UTF8ToString(answerName));
    field.setAttribute('aria-describedby', 'exercise-question');
    answer.addEventListener('submit', function (event) {
      event.preventDefault();
      act(3);
    });
    var parts = split(UTF8ToString(buttons).split('\x1f')), made = [];
    parts.forEach(function (p, action) {
      if (!UTF8ToString(p[0]) && !UTF8ToString(p[1])) return;
      made[action] = button(action === 2 ? answer : body, p, action);
    });
    free(parts);
    var ends = make(body, 'div');
    ends.className = 'ends';
    ends.appendChild(made[0]);
    ends.appendChild(made[1]);
    ends.after(answer);
    [made[0], made[1]].forEach(function (b) {
      b.setAttribute('aria-describedby', 'exercise-question');
    });
    var verdict = said(body, 'verdict');
    verdict.className = 'verdict';
    verdict.setAttribute('role', 'status');
    var steps = make(body, 'div');
    steps.className = 'steps';
    [4, 5, 6, 7].forEach(function (action) {
      steps.appendChild(made[action]);
    });
    var count = said(body, 'count');
    count.setAttribute('role', 'status');
    document.getElementById('form').after(panel);
    DrobiDom.more.push.apply(DrobiDom.more, [shut].concat(kindButtons, [field, made[0], made[1],
        made[2]], [4, 5, 6, 7].map(function (a) { return made[a]; })));
    panel.addEventListener('keydown', function (event) {
      if (event.ctrlKey || event.metaKey) return;
      var lower = event.key.toLowerCase();
      if (event.key === 'Escape' && !event.altKey) {
        event.preventDefault();
        act(8);
        return;
      }
      // The answer keys alone, but not while typing into the field.
      var plain = !event.altKey && event.target !== field && !ends.hidden;
      var hit = Array.from(panel.querySelectorAll('button')).find(function (b) {
        return b.key === lower && !b.disabled && !b.closest('[hidden]') &&
            (event.altKey || (plain && (b === made[0] || b === made[1])));
      });
      if (!hit) return;
      event.preventDefault();
      event.stopPropagation();
      hit.click();
    });
    views.exercises = {panel: panel, field: field, question: question, verdict: verdict,
                       count: count, kinds: kindButtons, ends: ends, answer: answer, made: made};
  },

  drobi_dom_show_exercises__deps: ['$DrobiViews'],
  drobi_dom_show_exercises: function (open) {
    var views = DrobiViews, e = views.exercises, panel = e.panel;
    var inside = panel.contains(document.activeElement);
    if (open && panel.hidden) e.back = document.activeElement;
    panel.hidden = !open;
    panel.querySelectorAll('button, input').forEach(function (b) {
      b.takesFocus = !!open;
    });
    if (open) {
      (e.ends.hidden ? e.field : e.made[0]).focus({preventScroll: true});
      requestAnimationFrame(function () {
        panel.scrollIntoView({block: 'nearest', inline: 'nearest'});
      });
    } else if (inside && e.back && e.back.isConnected) {
      e.back.focus();
    }
  },

  drobi_dom_place_exercises__deps: ['$DrobiViews'],
  drobi_dom_place_exercises: function (left, top, width, height, font) {
    var style = DrobiViews.exercises.panel.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    DrobiViews.exercises.panel.querySelector('.body').style.fontSize = font + 'px';
  },

  drobi_dom_exercise_state__deps: ['$DrobiViews'],
  drobi_dom_exercise_state: function (kind, question, spokenQuestion, typed, answered, verdict,
                                      spokenVerdict, count, spokenCount, fresh) {
    var e = DrobiViews.exercises, focus = document.activeElement;
    var write = function (box, shown, spoken) {
      var text = UTF8ToString(shown), words = UTF8ToString(spoken);
      if (box.firstChild.textContent !== text) box.firstChild.textContent = text;
      if (box.lastChild.textContent !== words) box.lastChild.textContent = words;
    };
    e.kinds.forEach(function (b, k) {
      b.setAttribute('aria-pressed', k === kind ? 'true' : 'false');
    });
    write(e.question, question, spokenQuestion);
    write(e.verdict, verdict, spokenVerdict);
    write(e.count, count, spokenCount);
    e.answer.hidden = !typed;
    e.ends.hidden = !!typed;
    if (fresh) e.field.value = '';
    // «Следваща задача» once the task has its verdict, «Пропусни» before it.
    e.made[4].disabled = !answered;
    e.made[5].disabled = !!answered;
    e.made[2].disabled = !!answered;
    // The focus where the next key is meant: on «Следваща задача» after a verdict given by a
    // button, back on the answer for a new task; the field keeps it, Enter going on from there.
    if (!e.panel.contains(focus) || e.panel.hidden) return;
    var answering = focus === e.made[0] || focus === e.made[1] || focus === e.made[2];
    if (answered && answering) e.made[4].focus();
    else if (!answered && (focus === e.made[4] || focus.closest('[hidden]'))) {
      (typed ? e.field : e.made[0]).focus();
    }
  },

  // «Работен лист»: a modal <dialog> whose form «Печат…» and Enter submit; Escape closes it, as
  // any modal dialog, and the focus goes back to where it was. Alt and a title's underlined
  // letter reach its field, check box or button while the dialog is open, before the menus take
  // the letter. What was typed goes to the C++ side as it is and comes back only as a field's
  // value and as text in the alert.
  drobi_dom_show_sheet__deps: ['$DrobiViews'],
  drobi_dom_show_sheet: function (title, parts, close, variants, digits, divisions) {
    var dialog = document.getElementById('sheet');
    if (!dialog) {
      var form = DrobiViews.dialog('sheet');
      dialog = form.parentNode;
      var texts = UTF8ToString(parts).split('\x1f'), keyed = [];
      // Title k of `parts` into `element`, its access key underlined; the key in lower case.
      var titled = function (element, k) {
        var at = texts.slice(3 * k, 3 * k + 3).map(allocateUTF8);
        try {
          return DrobiViews.title(element, at[0], at[1], at[2]);
        } finally {
          at.forEach(_free);
        }
      };
      // A control with its label before it (after it for the check box), titled by title k.
      var labelled = function (k, control, name) {
        var row = form.appendChild(document.createElement('div'));
        row.className = control.type === 'checkbox' ? 'check' : 'field';
        var label = document.createElement('label');
        label.htmlFor = control.id = 'sheet-' + name;
        control.dataset.name = control.id;
        control.key = titled(label, k);
        row.appendChild(control.type === 'checkbox' ? control : label);
        row.appendChild(control.type === 'checkbox' ? label : control);
        keyed.push(control);
        return control;
      };
      ['variants', 'digits'].forEach(function (name, k) {
        var field = document.createElement('input');
        field.type = 'text';
        field.inputMode = 'numeric';
        field.autocomplete = 'off';
        field.spellcheck = false;
        field.setAttribute('aria-describedby', 'sheet-message');
        labelled(k, field, name);
      });
      var box = document.createElement('input');
      box.type = 'checkbox';
      labelled(2, box, 'divisions');
      var print = DrobiViews.dialogEnd(form, 'print', 'close');
      print.key = titled(print, 3);
      keyed.push(print);
      keyed.forEach(function (c) {
        if (c.key) c.setAttribute('aria-keyshortcuts', 'Alt+' + c.key.toUpperCase());
      });
      dialog.addEventListener('keydown', function (event) {
        if (!event.altKey || event.ctrlKey || event.metaKey) return;
        var hit = keyed.find(function (c) {
          return c.key === event.key.toLowerCase();
        });
        if (!hit) return;
        event.preventDefault();
        event.stopPropagation();
        hit.focus();
        if (hit.type === 'text') hit.select();
        else hit.click();
      });
      form.addEventListener('submit', function (event) {
        event.preventDefault();
        var fields = form.querySelectorAll('input[type=text]');
        var at = [fields[0].value, fields[1].value].map(allocateUTF8);
        try {
          Module['_drobi_page_print_sheet'](at[0], at[1], box.checked ? 1 : 0);
        } finally {
          at.forEach(_free);
        }
      });
    }
    var inputs = dialog.querySelectorAll('input');
    // Chosen again while it is open: what was typed stays.
    if (dialog.open) {
      inputs[0].focus();
      return;
    }
    dialog.querySelector('h1').textContent = UTF8ToString(title);
    dialog.querySelector('[data-name=sheet-close]').textContent = UTF8ToString(close);
    inputs[0].value = variants;
    inputs[1].value = digits;
    inputs[2].checked = divisions !== 0;
    inputs.forEach(function (i) {
      i.removeAttribute('aria-invalid');
    });
    dialog.querySelector('p').textContent = '';
    dialog.showModal();
    inputs[0].focus();
    inputs[0].select();
  },

  drobi_dom_sheet_message: function (field, message) {
    var dialog = document.getElementById('sheet'), fields = dialog.querySelectorAll('input');
    dialog.querySelector('p').textContent = UTF8ToString(message);
    fields.forEach(function (f, i) {
      if (i === field) f.setAttribute('aria-invalid', 'true');
      else f.removeAttribute('aria-invalid');
    });
    if (field < 0) return;
    fields[field].focus();
    fields[field].select();
  },

  // The sheet as SVG, a picture of A4 in points per page: a text's y is its baseline, as in the
  // display list, so the page draws each run where the layout put it, whatever the font's
  // ascent. Its texts are text nodes, never markup.
  $DrobiSheet: {box: null, page: null, fonts: []},
  drobi_dom_sheet_begin__deps: ['$DrobiSheet'],
  drobi_dom_sheet_begin: function (width, height, serif, fixed) {
    var sheet = DrobiSheet;
    if (!sheet.box) {
      sheet.box = document.body.appendChild(document.createElement('div'));
      sheet.box.id = 'sheet-pages';
    }
    sheet.box.textContent = '';
    sheet.size = [width, height];
    sheet.fonts = [UTF8ToString(serif), UTF8ToString(fixed)];
  },

  drobi_dom_sheet_page__deps: ['$DrobiSheet'],
  drobi_dom_sheet_page: function () {
    var sheet = DrobiSheet, size = sheet.size;
    var page = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    page.setAttribute('class', 'sheet-page');
    page.setAttribute('width', size[0] + 'pt');
    page.setAttribute('height', size[1] + 'pt');
    page.setAttribute('viewBox', '0 0 ' + size[0] + ' ' + size[1]);
    sheet.page = sheet.box.appendChild(page);
  },

  drobi_dom_sheet_run__deps: ['$DrobiSheet'],
  drobi_dom_sheet_run: function (x, y, text, fixed, size, bold) {
    var sheet = DrobiSheet;
    var run = document.createElementNS('http://www.w3.org/2000/svg', 'text');
    run.setAttribute('x', x);
    run.setAttribute('y', y);
    run.setAttribute('font-size', size);
    run.style.fontFamily = sheet.fonts[fixed];
    if (bold) run.setAttribute('font-weight', 'bold');
    run.textContent = UTF8ToString(text);
    sheet.page.appendChild(run);
  },

  drobi_dom_sheet_rule__deps: ['$DrobiSheet'],
  drobi_dom_sheet_rule: function (x1, y1, x2, y2, width) {
    var rule = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    [['x1', x1], ['y1', y1], ['x2', x2], ['y2', y2], ['stroke-width', width]].forEach(function (a) {
      rule.setAttribute(a[0], a[1]);
    });
    DrobiSheet.page.appendChild(rule);
  },

  drobi_dom_print_sheet: function () {
    window.print();
  },

  drobi_dom_fraction_message: function (message) {
    var dialog = document.getElementById('fraction'), text = UTF8ToString(message);
    if (!text) {
      dialog.close();
      return;
    }
    dialog.querySelector('p').textContent = text;
    dialog.querySelector('input').focus();
  },
});
