// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the web front end: the DOM, which C++ cannot reach. It
// makes the elements the C++ side asks for, opens and walks the menus as a
// toolkit would, shows the message box, and hands what the player chose to
// the exported entry points. It decides nothing about the game.
mergeInto(LibraryManager.library, {
  $Page: {
    elements: [],
    game: null,
    client: null,
    menubar: null,
    rows: [],      // menu table row -> {item, list (a submenu's own list), depth}
    open: [],      // rows whose lists are open, from the menu bar down
    outside: null, // what had the focus before the menus took it
    box: null,
    ended: false,
    shortcuts: {},  // 'K' -> the menu row Ctrl+K chooses
    about: null,    // the about window's frame while it is open
    aboutClient: null,
    beforeAbout: null,  // what had the focus before the about window took it

    text: function(pointer, length) { return UTF8ToString(pointer, length); },

    add: function(container, element, name) {
      element.id = name;
      (container < 0 ? Page.client : Page.elements[container]).appendChild(element);
      Page.elements.push(element);
      return Page.elements.length - 1;
    },

    titles: function() { return Array.from(Page.menubar.children); },

    // The entries of the list a row opens, or of the menu bar.
    entries: function(list) { return Array.from(list.children); },

    rowOf: function(element) { return Number(element.dataset.row); },

    closeFrom: function(depth) {
      while (Page.open.length > depth) {
        var row = Page.rows[Page.open.pop()];
        row.list.hidden = true;
        row.item.setAttribute('aria-expanded', 'false');
        row.item.classList.remove('open');
      }
    },

    inMenus: function(element) {
      return element instanceof Element && element.closest('[role=menu],[role=menubar]') !== null;
    },

    // The focus goes back where it was before the menus took it.
    leaveMenus: function() {
      Page.closeFrom(0);
      if (Page.outside && Page.outside.isConnected) Page.outside.focus();
      else if (Page.inMenus(document.activeElement)) document.activeElement.blur();
    },

    // Opens the list of `r`, whose item stands at depth Page.open.length, and
    // puts the focus on its 'first' or 'last' entry, or on the list itself.
    openList: function(r, focus) {
      var row = Page.rows[r];
      var item = row.item.getBoundingClientRect();
      var frame = Page.game.getBoundingClientRect();
      // The lists lie in the window, which may be scaled as a whole.
      var scale = frame.width / Page.game.offsetWidth;
      var x = function(at) { return (at - frame.left) / scale - Page.game.clientLeft + 'px'; };
      var y = function(at) { return (at - frame.top) / scale - Page.game.clientTop + 'px'; };
      row.list.hidden = false;
      if (row.depth === 0) {
        row.list.style.left = x(item.left);
        row.list.style.top = y(item.bottom);
      } else {
        row.list.style.left = x(item.right);
        row.list.style.top = y(item.top - 3 * scale);
      }
      row.item.setAttribute('aria-expanded', 'true');
      row.item.classList.add('open');
      Page.open.push(r);
      var entries = Page.entries(row.list);
      if (focus === 'first') entries[0].focus();
      else if (focus === 'last') entries[entries.length - 1].focus();
      else row.list.focus();
    },

    // Opens a title of the menu bar, closing whatever else is open.
    openTitle: function(title, focus) {
      Page.closeFrom(0);
      title.focus();
      Page.openList(Page.rowOf(title), focus);
    },

    choose: function(r) {
      Page.leaveMenus();
      _web_choose(r);
    },

    activate: function(entry) {
      var r = Page.rowOf(entry);
      if (Page.rows[r].list) {
        Page.closeFrom(Page.rows[r].depth);
        Page.openList(r, 'first');
      } else {
        Page.choose(r);
      }
    },

    step: function(list, from, by) {
      var all = Page.entries(list);
      var at = all.indexOf(from);
      var next = at < 0 ? (by > 0 ? 0 : all.length - 1) : (at + by + all.length) % all.length;
      all[next].focus();
      return all[next];
    },

    titleKey: function(event) {
      var title = event.target.closest('[role=menuitem]');
      if (!title) return;
      var key = event.key;
      if (key === 'ArrowRight' || key === 'ArrowLeft') {
        var next = Page.step(Page.menubar, title, key === 'ArrowRight' ? 1 : -1);
        if (Page.open.length > 0) Page.openTitle(next, 'first');
      } else if (key === 'ArrowDown' || key === 'Enter' || key === ' ') {
        Page.openTitle(title, 'first');
      } else if (key === 'ArrowUp') {
        Page.openTitle(title, 'last');
      } else if (key === 'Home' || key === 'End') {
        var all = Page.titles();
        (key === 'Home' ? all[0] : all[all.length - 1]).focus();
      } else if (key === 'Escape') {
        Page.leaveMenus();
      } else {
        return;
      }
      event.preventDefault();
    },

    listKey: function(event) {
      var list = event.currentTarget;
      var entry = event.target.closest('[role=menuitem]');
      var depth = Page.open.indexOf(Page.rowOf(list));
      var key = event.key;
      if (key === 'ArrowDown' || key === 'ArrowUp') {
        Page.step(list, entry, key === 'ArrowDown' ? 1 : -1);
      } else if (key === 'Home' || key === 'End') {
        var all = Page.entries(list);
        (key === 'Home' ? all[0] : all[all.length - 1]).focus();
      } else if ((key === 'Enter' || key === ' ') && entry) {
        Page.activate(entry);
      } else if (key === 'ArrowRight' && entry && Page.rows[Page.rowOf(entry)].list) {
        Page.activate(entry);
      } else if (key === 'ArrowRight' || (key === 'ArrowLeft' && depth === 0)) {
        var title = Page.rows[Page.open[0]].item;
        Page.openTitle(Page.step(Page.menubar, title, key === 'ArrowRight' ? 1 : -1), 'first');
      } else if (key === 'ArrowLeft' || key === 'Escape') {
        var opener = Page.rows[Page.rowOf(list)].item;
        Page.closeFrom(depth);
        opener.focus();
      } else if (key === 'Tab') {
        var top = Page.rows[Page.open[0]].item;
        Page.closeFrom(0);
        top.focus();
        return;  // and on from the menu bar, as Tab goes
      } else {
        return;
      }
      event.preventDefault();
    },

    // Whatever is hovered in an open menu takes the focus; a submenu opens.
    hover: function(entry) {
      var r = Page.rowOf(entry);
      var row = Page.rows[r];
      if (row.depth === 0) {
        if (Page.open.length > 0 && Page.open[0] !== r) Page.openTitle(entry, null);
        return;
      }
      Page.closeFrom(row.depth);
      entry.focus();
      if (row.list) Page.openList(r, null);
    },

    // The main window, or the about window (WebFrame).
    frame: function(frame) { return frame === 0 ? Page.game : Page.about; },

    // Above the main window, the focus on its close box, as a window that
    // comes to the front takes the keyboard.
    raiseAbout: function() {
      if (!Page.about) return;
      Page.closeFrom(0);
      if (document.body.lastElementChild !== Page.about) document.body.appendChild(Page.about);
      Page.about.querySelector('.close-box').focus();
    },

    makeBox: function() {
      var box = document.createElement('dialog');
      box.id = 'box';
      box.setAttribute('role', 'alertdialog');
      box.setAttribute('aria-modal', 'true');
      box.setAttribute('aria-labelledby', 'box-title');
      box.setAttribute('aria-describedby', 'box-text');
      box.innerHTML = '<div class="box-title" id="box-title"></div>' +
          '<p class="box-text" id="box-text"></p>' +
          '<div class="box-buttons"><button type="button" class="box-ok">OK</button></div>';
      document.body.appendChild(box);
      return box;
    },
  },

  // A module that cannot load or run leaves the page saying so, not blank.
  $Page__postset: 'Module.onAbort = function() {' +
      '  document.getElementById("game").hidden = true;' +
      '  document.getElementById("failed").hidden = false;' +
      '};',

  // Whether the system has the face itself: text set in it measures other
  // than in either of two unlike generic faces. (A face the system lacks is
  // quietly replaced by the generic one.)
  web_face_is_real: function(family, length) {
    var context = document.createElement('canvas').getContext('2d');
    var sample = 'mmmmmmmmmmlliWWíů';
    var named = '"' + UTF8ToString(family, length).replace(/["\\]/g, '') + '"';
    return ['monospace', 'serif'].some(function(generic) {
      context.font = '72px ' + generic;
      var plain = context.measureText(sample).width;
      context.font = '72px ' + named + ', ' + generic;
      return context.measureText(sample).width !== plain;
    }) ? 1 : 0;
  },

  // The bundled face as a web font, both weights; the call returns once they
  // are there, so the welcome box is never drawn in no letters at all nor in
  // another face first. A face that fails to load leaves sans-serif.
  web_use_face: function(family, familyLength, regular, regularLength, bold, boldLength) {
    return Asyncify.handleSleep(function(wakeUp) {
      var name = UTF8ToString(family, familyLength);
      var faces = [[regular, regularLength, 'normal'], [bold, boldLength, 'bold']].map(function(f) {
        var face = new FontFace(name, 'url("' + encodeURI(UTF8ToString(f[0], f[1])) + '")',
                                {weight: f[2], display: 'block'});
        document.fonts.add(face);
        return face.load();
      });
      Promise.all(faces).catch(function() {}).then(function() { wakeUp(); });
    });
  },

  web_set_face: function(family, length) {
    document.body.style.fontFamily =
        '"' + UTF8ToString(family, length).replace(/["\\]/g, '') + '", sans-serif';
  },

  web_window__deps: ['$Page'],
  web_window: function(width, height, points) {
    Page.game = document.getElementById('game');
    Page.menubar = document.getElementById('menubar');
    Page.client = document.getElementById('client');
    Page.client.style.width = width + 'px';
    Page.client.style.height = height + 'px';
    document.body.style.fontSize = points + 'pt';

    Page.menubar.addEventListener('keydown', Page.titleKey);
    Page.menubar.addEventListener('click', function(event) {
      var title = event.target.closest('[role=menuitem]');
      if (!title) return;
      if (Page.open.length > 0 && Page.open[0] === Page.rowOf(title)) Page.leaveMenus();
      else Page.openTitle(title, null);
    });
    Page.menubar.addEventListener('mouseover', function(event) {
      var title = event.target.closest('[role=menuitem]');
      if (title) Page.hover(title);
    });
    document.addEventListener('focusin', function(event) {
      if (!Page.inMenus(event.target)) Page.outside = event.target;
    });
    // A click anywhere outside the menus closes them, as a toolkit's menus do.
    document.addEventListener('mousedown', function(event) {
      if (Page.open.length > 0 && !Page.inMenus(event.target)) Page.closeFrom(0);
    });
    window.addEventListener('resize', function() { _web_resized(); });
    // F10 goes to the menu bar, as on the desktop.
    document.addEventListener('keydown', function(event) {
      if (event.key !== 'F10' || (Page.box && Page.box.open) || Page.game.hidden) return;
      event.preventDefault();
      Page.closeFrom(0);
      Page.titles()[0].focus();
    });
    // The menus' shortcuts are the game's, not the browser's, while it runs;
    // during a box they do nothing, as on the desktop.
    document.addEventListener('keydown', function(event) {
      if (!event.ctrlKey || event.altKey || event.metaKey || event.key.length !== 1) return;
      var r = Page.shortcuts[event.key.toUpperCase()];
      if (r === undefined || Page.ended) return;
      event.preventDefault();
      if (Page.box && Page.box.open) return;
      Page.choose(r);
    }, true);
  },

  web_label__deps: ['$Page'],
  web_label: function(container, name, nameLength, text, textLength) {
    var label = document.createElement('div');
    label.className = 'label';
    label.textContent = Page.text(text, textLength);
    return Page.add(container, label, Page.text(name, nameLength));
  },

  web_counter__deps: ['$Page'],
  web_counter: function(container, name, nameLength) {
    var field = document.createElement('input');
    field.type = 'text';
    field.className = 'counter';
    field.readOnly = true;
    field.tabIndex = -1;
    // Neither a click nor a drag puts a caret or a selection into it.
    field.addEventListener('mousedown', function(event) { event.preventDefault(); });
    return Page.add(container, field, Page.text(name, nameLength));
  },

  web_button__deps: ['$Page'],
  web_button: function(container, name, nameLength, text, textLength, button) {
    var element = document.createElement('button');
    element.type = 'button';
    element.className = 'button';
    element.textContent = Page.text(text, textLength);
    element.addEventListener('click', function() { _web_press(button); });
    return Page.add(container, element, Page.text(name, nameLength));
  },

  web_picture__deps: ['$Page'],
  web_picture: function(container, name, nameLength, image, imageLength) {
    var box = document.createElement('div');
    box.className = 'picture';
    var img = document.createElement('img');
    img.src = Page.text(image, imageLength);
    img.draggable = false;
    box.appendChild(img);
    return Page.add(container, box, Page.text(name, nameLength));
  },

  web_place__deps: ['$Page'],
  web_place: function(element, x, y, width, height) {
    var style = Page.elements[element].style;
    style.left = x + 'px';
    style.top = y + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
  },

  web_set_font__deps: ['$Page'],
  web_set_font: function(element, points, bold) {
    var style = Page.elements[element].style;
    style.fontSize = points + 'pt';
    style.fontWeight = bold ? 'bold' : 'normal';
  },

  web_set_tooltip__deps: ['$Page'],
  web_set_tooltip: function(element, text, length) {
    Page.elements[element].title = Page.text(text, length);
  },

  web_set_name__deps: ['$Page'],
  web_set_name: function(element, text, length) {
    var e = Page.elements[element];
    var img = e.querySelector('img');
    if (img) img.alt = Page.text(text, length);
    else e.setAttribute('aria-label', Page.text(text, length));
  },

  web_set_crosshair__deps: ['$Page'],
  web_set_crosshair: function(element) {
    Page.elements[element].classList.add('crosshair');
  },

  web_focus__deps: ['$Page'],
  web_focus: function(element) {
    Page.elements[element].focus();
  },

  web_has_focus__deps: ['$Page'],
  web_has_focus: function(element) {
    return document.activeElement === Page.elements[element] ? 1 : 0;
  },

  // A hidden element may still be the active one until the next layout.
  web_focus_lost: function() {
    var e = document.activeElement;
    return !e || e === document.body || e.offsetParent === null ? 1 : 0;
  },

  web_set_text__deps: ['$Page'],
  web_set_text: function(element, text, length) {
    Page.elements[element].value = Page.text(text, length);
  },

  web_set_shown__deps: ['$Page'],
  web_set_shown: function(element, shown) {
    Page.elements[element].hidden = !shown;
  },

  web_set_enabled__deps: ['$Page'],
  web_set_enabled: function(element, enabled) {
    Page.elements[element].disabled = !enabled;
  },

  web_menu_item__deps: ['$Page'],
  web_menu_item: function(r, parent, caption, captionLength, shortcut, shortcutLength, submenu,
                          key) {
    if (key) Page.shortcuts[String.fromCharCode(key)] = r;
    var item = document.createElement('div');
    item.setAttribute('role', 'menuitem');
    item.tabIndex = -1;
    item.dataset.row = r;
    var text = Page.text(caption, captionLength);
    // The name is the caption alone, blanks and all; the shortcut is shown beside it.
    item.setAttribute('aria-label', text);
    var label = document.createElement('span');
    label.className = 'caption';
    label.textContent = text;
    item.appendChild(label);
    var depth = parent < 0 ? 0 : Page.rows[parent].depth + 1;
    if (parent < 0) {
      item.className = 'title';
      if (Page.menubar.children.length === 0) item.tabIndex = 0;
      Page.menubar.appendChild(item);
    } else {
      var keys = document.createElement('span');
      keys.className = 'shortcut';
      keys.setAttribute('aria-hidden', 'true');
      keys.textContent = Page.text(shortcut, shortcutLength);
      item.appendChild(keys);
      item.className = submenu ? 'entry submenu' : 'entry';
      Page.rows[parent].list.appendChild(item);
    }
    var list = null;
    if (submenu) {
      item.setAttribute('aria-haspopup', 'menu');
      item.setAttribute('aria-expanded', 'false');
      list = document.createElement('div');
      list.className = 'menu';
      list.setAttribute('role', 'menu');
      list.setAttribute('aria-label', text);
      list.tabIndex = -1;
      list.dataset.row = r;
      list.hidden = true;
      list.addEventListener('keydown', Page.listKey);
      list.addEventListener('click', function(event) {
        var entry = event.target.closest('[role=menuitem]');
        if (entry && entry.parentElement === list) Page.activate(entry);
      });
      list.addEventListener('mouseover', function(event) {
        var entry = event.target.closest('[role=menuitem]');
        if (entry && entry.parentElement === list) Page.hover(entry);
      });
      Page.game.appendChild(list);
    }
    Page.rows[r] = {item: item, list: list, depth: depth};
  },

  web_show_window__deps: ['$Page'],
  web_show_window: function() {
    Page.game.hidden = false;
  },

  web_close_window__deps: ['$Page'],
  web_close_window: function() {
    Page.closeFrom(0);
    Page.game.hidden = true;
  },

  web_frame_width__deps: ['$Page'],
  web_frame_width: function(frame) { return Page.frame(frame).offsetWidth; },
  web_frame_height__deps: ['$Page'],
  web_frame_height: function(frame) { return Page.frame(frame).offsetHeight; },

  web_frame_put__deps: ['$Page'],
  web_frame_put: function(frame, x, y, scale) {
    var style = Page.frame(frame).style;
    style.left = x + 'px';
    style.top = y + 'px';
    style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
  },

  // A new game is a fresh page: nothing of the old one is kept.
  web_show_ended: function() {
    var ended = document.getElementById('ended');
    var again = document.getElementById('new-game');
    again.onclick = function() { location.reload(); };
    Page.ended = true;
    ended.hidden = false;
    again.focus();
  },

  web_about_open__deps: ['$Page'],
  web_about_open: function(title, titleLength, width, height, closeName, closeNameLength) {
    var frame = document.createElement('section');
    frame.id = 'about';
    frame.className = 'window';
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-labelledby', 'about-title');
    var bar = document.createElement('div');
    bar.className = 'title-bar';
    var name = document.createElement('span');
    name.id = 'about-title';
    name.textContent = Page.text(title, titleLength);
    var close = document.createElement('button');
    close.type = 'button';
    close.className = 'close-box';
    close.setAttribute('aria-label', Page.text(closeName, closeNameLength));
    close.addEventListener('click', function() { _web_about_close_box(); });
    bar.appendChild(name);
    bar.appendChild(close);
    var client = document.createElement('div');
    client.className = 'about-client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    frame.appendChild(bar);
    frame.appendChild(client);
    // Points of the client area in its own pixels, wherever the window is.
    function at(event) {
      var r = client.getBoundingClientRect();
      var scale = r.width / client.offsetWidth;
      return [Math.floor((event.clientX - r.left) / scale),
              Math.floor((event.clientY - r.top) / scale)];
    }
    client.addEventListener('mousedown', function(event) {
      event.preventDefault();  // no text selection, no drag of the logo
      var p = at(event);
      _web_about_press(p[0], p[1], event.button === 0 ? 1 : 0);
    });
    frame.release = function(event) {
      var p = at(event);
      _web_about_release(p[0], p[1], event.button === 0 ? 1 : 0);
    };
    // A release anywhere: the tracker knows whether it ends a click.
    document.addEventListener('mouseup', frame.release);
    Page.beforeAbout = document.activeElement;
    document.body.appendChild(frame);
    Page.about = frame;
    Page.aboutClient = client;
    Page.raiseAbout();
    Page.elements.push(client);
    return Page.elements.length - 1;
  },

  web_about_raise__deps: ['$Page'],
  web_about_raise: function() { Page.raiseAbout(); },

  web_about_close__deps: ['$Page'],
  web_about_close: function() {
    var frame = Page.about;
    if (!frame) return;
    var hadFocus = frame.contains(document.activeElement);
    document.removeEventListener('mouseup', frame.release);
    frame.remove();
    Page.about = Page.aboutClient = null;
    var back = Page.beforeAbout;
    if (hadFocus && back && back.isConnected && back.offsetParent !== null) back.focus();
  },

  web_viewport_width: function() { return document.documentElement.clientWidth; },
  web_viewport_height: function() { return document.documentElement.clientHeight; },

  web_open_address: function(address, length) {
    window.open(UTF8ToString(address, length), '_blank', 'noopener,noreferrer');
  },

  web_box__deps: ['$Page'],
  web_box: function(title, titleLength, text, textLength) {
    return Asyncify.handleSleep(function(wakeUp) {
      Page.closeFrom(0);
      var box = Page.box || (Page.box = Page.makeBox());
      var ok = box.querySelector('.box-ok');
      var before = document.activeElement;
      box.querySelector('.box-title').textContent = Page.text(title, titleLength);
      box.querySelector('.box-text').textContent = Page.text(text, textLength);
      function close(event) {
        if (event) event.preventDefault();
        ok.removeEventListener('click', close);
        box.removeEventListener('cancel', close);
        box.removeEventListener('keydown', key);
        box.close();
        if (before && before.isConnected && before !== document.body) before.focus();
        wakeUp();
      }
      // Enter and Space answer the box wherever its focus is; Escape too, as on
      // the desktop. The focus stays on its one button.
      function key(event) {
        if (event.key === 'Enter' || event.key === ' ') close(event);
        else if (event.key === 'Tab') { event.preventDefault(); ok.focus(); }
      }
      ok.addEventListener('click', close);
      box.addEventListener('cancel', close);
      box.addEventListener('keydown', key);
      box.showModal();
      ok.focus();
    });
  },

  web_post: function() {
    setTimeout(function() { _web_run_tasks(); }, 0);
  },

  // -- The sound ---------------------------------------------------------
  // Web Audio only plays what the C++ side decoded. Nothing here may reach the
  // console: every promise ends in a catch, and a refusal is silence.
  $Sound: {
    context: null,
    buffers: [],
    playing: null,

    // Browsers let the audio output start only from the player's gesture; the
    // first click or key opens it, and a later one wakes it if it was put to
    // sleep. A chime that follows a timer (the win) then plays on it too.
    wake: function() {
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      if (!Sound.context) {
        if (navigator.userActivation && !navigator.userActivation.isActive) return;
        try {
          Sound.context = new Context();
        } catch (e) {
          return;
        }
      }
      if (Sound.context.state === 'suspended') Sound.context.resume().catch(function() {});
    },

    // The whole body, or null past `limit` bytes or on any failure. A server
    // may leave out the length or state a false one, so the bytes are counted.
    read: function(response, limit) {
      if (!response.ok || !response.body) return null;
      if (Number(response.headers.get('Content-Length')) > limit) {
        response.body.cancel().catch(function() {});
        return null;
      }
      var reader = response.body.getReader();
      var parts = [];
      var total = 0;
      function next() {
        return reader.read().then(function(part) {
          if (part.done) {
            var bytes = new Uint8Array(total);
            var at = 0;
            parts.forEach(function(p) { bytes.set(p, at); at += p.length; });
            return bytes;
          }
          total += part.value.length;
          if (total > limit) {
            reader.cancel().catch(function() {});
            return null;
          }
          parts.push(part.value);
          return next();
        });
      }
      return next();
    },

    end: function() {
      var source = Sound.playing;
      Sound.playing = null;
      if (!source) return;
      source.onended = null;
      try {
        source.stop();
      } catch (e) {}
      source.disconnect();
    },
  },

  web_sound_listen__deps: ['$Sound'],
  web_sound_listen: function() {
    ['pointerdown', 'keydown', 'touchend', 'click'].forEach(function(type) {
      document.addEventListener(type, Sound.wake, true);
    });
  },

  web_sound_fetch__deps: ['$Sound', 'malloc', 'free'],
  web_sound_fetch: function(id, file, fileLength, limit) {
    var address = UTF8ToString(file, fileLength);
    fetch(address, {credentials: 'same-origin'}).then(function(response) {
      return Sound.read(response, limit);
    }).catch(function() {
      return null;
    }).then(function(bytes) {
      if (!bytes || bytes.length === 0) {
        _web_sound_arrived(id, 0, 0);
        return;
      }
      var at = _malloc(bytes.length);
      if (!at) {
        _web_sound_arrived(id, 0, 0);
        return;
      }
      HEAPU8.set(bytes, at);
      try {
        _web_sound_arrived(id, at, bytes.length);
      } finally {
        _free(at);
      }
    }).catch(function() {});
  },

  web_sound_keep__deps: ['$Sound'],
  web_sound_keep: function(id, channels, frames, rate, planes) {
    try {
      var buffer = new AudioBuffer({numberOfChannels: channels, length: frames, sampleRate: rate});
      for (var c = 0; c < channels; ++c) {
        var from = (planes >> 2) + c * frames;
        buffer.copyToChannel(HEAPF32.subarray(from, from + frames), c);
      }
      Sound.buffers[id] = buffer;
      return 1;
    } catch (e) {
      return 0;
    }
  },

  web_sound_play__deps: ['$Sound'],
  web_sound_play: function(id) {
    Sound.end();
    var buffer = Sound.buffers[id];
    if (!buffer || !Sound.context) return;
    try {
      var source = Sound.context.createBufferSource();
      source.buffer = buffer;
      source.connect(Sound.context.destination);
      source.onended = function() {
        if (Sound.playing === source) Sound.playing = null;
        source.disconnect();
      };
      source.start();
      Sound.playing = source;
    } catch (e) {}
  },

  web_sound_stop__deps: ['$Sound'],
  web_sound_stop: function() {
    Sound.end();
  },
});
