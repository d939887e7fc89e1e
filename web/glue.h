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
}
