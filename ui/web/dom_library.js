// The document side of the page: makes and places the elements that the C++ binding asks for and
// hands the user's input back to it. It decides nothing: places, texts, colours, marks and what a
// click does all come from the C++ side.
mergeInto(LibraryManager.library, {
  $DrobiDom: {
    controls: [],
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
      var ring = DrobiDom.controls.filter(function (c) {
        return c.takesFocus;
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

  drobi_dom_view_width: function () {
    return document.documentElement.clientWidth;
  },
  drobi_dom_view_height: function () {
    return document.documentElement.clientHeight;
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
});
