// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's glue (glue.js) does for the C++ side: the elements of the
// window, the menus, the message box and the event loop's task queue. Texts
// go over as UTF-8 with their length; elements come back as handles.
#pragma once

#include <cstddef>

extern "C" {

// The client area, in pixels, in the window's own font.
void web_window(int width, int height, double points);

// A control's element inside `container` (-1: the client area), by the name
// the rules know it by. Each returns the element's handle.
int web_label(int container, const char* name, std::size_t nameLength, const char* text,
              std::size_t textLength);
// Read-only for the player: no typing, no focus.
int web_counter(int container, const char* name, std::size_t nameLength);
// A click presses button `button` of the model.
int web_button(int container, const char* name, std::size_t nameLength, const char* text,
               std::size_t textLength, int button);
// The image unscaled from the top-left corner, clipped to the place.
int web_picture(int container, const char* name, std::size_t nameLength, const char* image,
                std::size_t imageLength);

void web_place(int element, int x, int y, int width, int height);
void web_set_font(int element, double points, int bold);
void web_set_tooltip(int element, const char* text, std::size_t length);
// The caption `label` names the counter `field`.
void web_label_for(int label, int field);
void web_set_text(int element, const char* text, std::size_t length);
void web_set_shown(int element, int shown);
void web_set_enabled(int element, int enabled);

// One row of the menu table; parent -1 is the menu bar. Choosing a leaf
// calls web_choose(row).
void web_menu_item(int row, int parent, const char* caption, std::size_t captionLength,
                   const char* shortcut, std::size_t shortcutLength, int submenu);

void web_show_window();
void web_close_window();

// Shows a modal box and returns once the player has closed it; the call
// stack is suspended meanwhile.
void web_box(const char* title, std::size_t titleLength, const char* text,
             std::size_t textLength);

// Calls web_run_tasks() from the event loop, after the caller has returned.
void web_post();

// The sound (Web Audio). The audio output opens on the player's first click
// or key, as browsers require; a sound asked for before that is silent.
void web_sound_listen();
// Fetches `file` beside the page in the background and hands its bytes, or
// a failure, to web_sound_arrived(id, bytes, length); more than `limit`
// bytes is a failure.
void web_sound_fetch(int id, const char* file, std::size_t fileLength, double limit);
// Keeps decoded sound `id`: `channels` runs of `frames` floats each. Returns
// 0 when the browser would not take it.
int web_sound_keep(int id, int channels, double frames, int rate, const float* planes);
// Stops what plays and starts kept sound `id`.
void web_sound_play(int id);
void web_sound_stop();
}
