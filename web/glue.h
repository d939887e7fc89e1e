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
// What a screen reader calls the element (a picture: its text alternative).
void web_set_name(int element, const char* text, std::size_t length);
void web_set_text(int element, const char* text, std::size_t length);
void web_set_shown(int element, int shown);
void web_set_enabled(int element, int enabled);
void web_set_crosshair(int element);
void web_focus(int element);
// Whether the keyboard's focus is on the element; whether it rests on
// nothing shown at all.
int web_has_focus(int element);
int web_focus_lost();

// One row of the menu table; parent -1 is the menu bar. Choosing a leaf
// calls web_choose(row), and so does Ctrl with `key` ('A'..'Z'; 0: none).
void web_menu_item(int row, int parent, const char* caption, std::size_t captionLength,
                   const char* shortcut, std::size_t shortcutLength, int submenu, int key);

void web_show_window();
void web_close_window();
// The page's windows: each one's outer size, unscaled, while shown; where it
// goes, at what scale. A change of the page's size calls web_resized().
enum WebFrame { kWebMainWindow = 0, kWebAboutWindow = 1 };
int web_frame_width(int frame);
int web_frame_height(int frame);
void web_frame_put(int frame, int x, int y, double scale);
// The page once the game has ended: it says so, with one way to a new game.
void web_show_ended();

// The about window, in the page: a title bar with a close box over a client
// area of this size. Returns the client area's handle for the controls.
// Presses and releases on it come back as web_about_press/release, its
// close box as web_about_close_box.
int web_about_open(const char* title, std::size_t titleLength, int width, int height,
                   const char* closeName, std::size_t closeNameLength);
// To the front.
void web_about_raise();
void web_about_close();
// The room the page has for its windows.
int web_viewport_width();
int web_viewport_height();
// A new tab for the address, which learns nothing of the page.
void web_open_address(const char* address, std::size_t length);

// Shows a modal box and returns once the player has closed it; the call
// stack is suspended meanwhile.
void web_box(const char* title, std::size_t titleLength, const char* text,
             std::size_t textLength);

// The face: whether the system has it; a web font loaded under a family
// name (the call returns once it is there or has failed); the page's face.
int web_face_is_real(const char* family, std::size_t length);
void web_use_face(const char* family, std::size_t familyLength, const char* regular,
                  std::size_t regularLength, const char* bold, std::size_t boldLength);
void web_set_face(const char* family, std::size_t length);

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
