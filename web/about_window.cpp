// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include <string>

#include "about_layout.h"
#include "accessible_names.h"
#include "glue.h"
#include "frame.h"

namespace trelavka::web {
namespace {

// The page's element ids are one space for both windows.
std::string idOf(const about::Control& row) { return "about-" + std::string(row.name); }

void build(int client, const about::Control& row) {
  const std::string id = idOf(row);
  int element = -1;
  if (row.kind == about::Kind::Picture) {
    const std::string image = std::string(WEB_IMAGE_FOLDER) + std::string(row.content);
    element = web_picture(client, id.data(), id.size(), image.data(), image.size());
  } else {
    element = web_label(client, id.data(), id.size(), row.content.data(), row.content.size());
  }
  const layout::Pixels place = layout::toPixels(row.place);
  web_place(element, place.x, place.y, place.width, place.height);
  if (row.points > 0) web_set_font(element, row.points, row.bold);
  const std::string_view name = view::accessibleName(row);
  web_set_name(element, name.data(), name.size());
  if (view::pointerOver(row) == view::Pointer::Crosshair) web_set_crosshair(element);
}

}  // namespace

AboutWindow::AboutWindow() {
  const layout::Pixels size = layout::toPixels(about::kClient);
  const int client = web_about_open(about::kTitle.data(), about::kTitle.size(), size.width,
                                    size.height, view::kCloseBoxName.data(),
                                    view::kCloseBoxName.size());
  for (const about::Control& row : about::kControls) build(client, row);
  placeFrame(kWebAboutWindow);
}

AboutWindow::~AboutWindow() { web_about_close(); }

void AboutWindow::raise() { web_about_raise(); }

}  // namespace trelavka::web
