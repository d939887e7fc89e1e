// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tables the page is built from, as the compiled program holds them,
// printed as JSON for the page's tests to hold the page against: the main
// window's rows in stacking order and the about window's. Places
// are in pixels; every name is the one a screen reader is to speak.
#include <cstdio>
#include <string>
#include <string_view>

#include "about_clicks.h"
#include "about_layout.h"
#include "accessible_names.h"
#include "layout.h"

namespace {

using namespace trelavka;

// The tables hold no control characters: JSON would refuse them, loudly.
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + '"';
}

std::string pixels(layout::Twips t) {
  const layout::Pixels p = layout::toPixels(t);
  return "[" + std::to_string(p.x) + ", " + std::to_string(p.y) + ", " + std::to_string(p.width) +
         ", " + std::to_string(p.height) + "]";
}

std::string_view kindName(layout::Kind k) {
  switch (k) {
    case layout::Kind::Caption: return "Caption";
    case layout::Kind::Counter: return "Counter";
    case layout::Kind::Button: return "Button";
    case layout::Kind::Picture: return "Picture";
    case layout::Kind::Result: return "Result";
  }
  return "";
}

}  // namespace

int main() {
  std::string out = "{\"client\": " + pixels(layout::kClient) + ",\n \"controls\": [\n";
  for (const layout::Control& c : layout::kControls) {
    out += &c == &layout::kControls.front() ? "  " : ",\n  ";
    out += "{\"name\": " + quoted(c.name) + ", \"kind\": " + quoted(kindName(c.kind)) +
           ", \"container\": " +
           quoted(c.container == Picture::None ? std::string_view() : name(c.container)) +
           ", \"place\": " + pixels(c.place) + ", \"image\": " + quoted(c.image) +
           ", \"accessible\": " + quoted(view::accessibleName(c)) + "}";
  }
  out += "\n ],\n \"about\": {\"title\": " + quoted(about::kTitle) +
         ", \"client\": " + pixels(about::kClient) + ", \"controls\": [\n";
  for (const about::Control& c : about::kControls) {
    out += &c == &about::kControls.front() ? "  " : ",\n  ";
    out += "{\"name\": " + quoted(c.name) + ", \"place\": " + pixels(c.place) + ", \"crosshair\": " +
           (view::pointerOver(c) == view::Pointer::Crosshair ? "true" : "false") + "}";
  }
  out += "\n ]}}\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}
