// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <string>
#include <string_view>

#include "accessible_names.h"
#include "glue.h"
#include "layout.h"
#include "menu.h"
#include "menu_text.h"
#include "frame.h"

namespace trelavka::web {
namespace {

constexpr int kClientArea = -1;
constexpr int kMenuBar = -1;

int menuRow(std::string_view name) {
  for (std::size_t i = 0; i < kMenu.size(); ++i) {
    if (kMenu[i].name == name) return static_cast<int>(i);
  }
  return kMenuBar;
}

void setText(int element, std::string_view text) {
  web_set_text(element, text.data(), text.size());
}

}  // namespace

MainWindow::MainWindow(Model& model, std::function<void()> closed)
    : model_(model), closed_(std::move(closed)) {
  const layout::Pixels client = layout::toPixels(layout::kClient);
  web_window(client.width, client.height, layout::fontStyle(layout::Font::Window).points);
  buildControls();
  buildMenus();
  model_.addObserver(this);
}

MainWindow::~MainWindow() { model_.removeObserver(this); }

void MainWindow::buildControls() {
  for (const layout::Control& row : layout::kControls) {
    const int parent =
        row.container == Picture::None ? kClientArea : pictures_[index(row.container)];
    const std::string_view name = row.name;
    int element = -1;
    switch (row.kind) {
      case layout::Kind::Caption:
        element = web_label(parent, name.data(), name.size(), row.caption.data(), row.caption.size());
        break;
      case layout::Kind::Counter: {
        element = web_counter(parent, name.data(), name.size());
        const Counter c = std::get<Counter>(row.shows);
        setText(element, model_.counterText(c));
        counters_[index(c)] = element;
        break;
      }
      case layout::Kind::Button: {
        const Button b = std::get<Button>(row.shows);
        element = web_button(parent, name.data(), name.size(), row.caption.data(), row.caption.size(),
                             static_cast<int>(index(b)));
        web_set_shown(element, model_.button(b).shown);
        web_set_enabled(element, model_.button(b).enabled);
        buttons_[index(b)] = element;
        break;
      }
      case layout::Kind::Picture: {
        const std::string image = std::string(WEB_IMAGE_FOLDER) + std::string(row.image);
        element = web_picture(parent, name.data(), name.size(), image.data(), image.size());
        const Picture p = std::get<Picture>(row.shows);
        web_set_shown(element, model_.shown(p));
        pictures_[index(p)] = element;
        break;
      }
      case layout::Kind::Result: {
        element = web_label(parent, name.data(), name.size(), row.caption.data(), row.caption.size());
        const Label l = std::get<Label>(row.shows);
        web_set_shown(element, model_.shown(l));
        results_[index(l)] = element;
        break;
      }
    }
    const std::string_view accessible = view::accessibleName(row);
    if (row.kind != layout::Kind::Caption && row.kind != layout::Kind::Result) {
      web_set_name(element, accessible.data(), accessible.size());
    }
    const layout::Pixels place = layout::toPixels(row.place);
    web_place(element, place.x, place.y, place.width, place.height);
    if (row.font != layout::Font::Window) {
      const layout::FontStyle& font = layout::fontStyle(row.font);
      web_set_font(element, font.points, font.bold);
    }
    if (!row.tooltip.empty()) web_set_tooltip(element, row.tooltip.data(), row.tooltip.size());
  }
}

void MainWindow::buildMenus() {
  for (std::size_t i = 0; i < kMenu.size(); ++i) {
    const MenuItem& item = kMenu[i];
    const auto shortcut = view::parseShortcut(item.shortcut);
    web_menu_item(static_cast<int>(i), item.parent.empty() ? kMenuBar : menuRow(item.parent),
                  item.caption.data(), item.caption.size(), item.shortcut.data(),
                  item.shortcut.size(), item.action == MenuAction::Submenu,
                  shortcut && shortcut->ctrl ? shortcut->key : 0);
  }
}

void MainWindow::show() {
  web_show_window();
  place();
}

void MainWindow::place() {
  placeFrame(kWebMainWindow);
  if (about_) placeFrame(kWebAboutWindow);
}

void MainWindow::close() {
  about_.reset();
  web_close_window();
  web_show_ended();
  if (closed_) closed_();
}

void MainWindow::openAbout() { about_.emplace(); }

void MainWindow::raiseAbout() {
  if (about_) about_->raise();
}

void MainWindow::closeAbout() { about_.reset(); }

void MainWindow::counterWritten(Counter c, std::int64_t) {
  setText(counters_[index(c)], model_.counterText(c));
}

void MainWindow::pictureChanged(Picture p, bool shown) { web_set_shown(pictures_[index(p)], shown); }

void MainWindow::labelChanged(Label l, bool shown) { web_set_shown(results_[index(l)], shown); }

void MainWindow::buttonChanged(Button b, bool shown, bool enabled) {
  const int button = buttons_[index(b)];
  const bool hadFocus = web_has_focus(button) != 0;
  web_set_shown(button, shown);
  web_set_enabled(button, enabled);
  if (const auto heir = focus_.changed(model_, b, hadFocus, web_focus_lost() != 0)) {
    web_focus(buttons_[index(*heir)]);
  }
}

}  // namespace trelavka::web
