// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls: where each stands, in twips from the top-left
// corner of its container, and how it looks. Rows are in creation order, so
// within a container a later row is drawn above an earlier one. What is shown
// at start belongs to the model, not to this table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "controls.h"

namespace trelavka::layout {

inline constexpr int kTwipsPerPixel = 15;

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct Pixels {
  int x;
  int y;
  int width;
  int height;
};

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr Pixels toPixels(Twips t) {
  return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
}

enum class Kind : std::uint8_t {
  Caption,  // a label that never changes
  Counter,  // a disabled text field showing a counter of the model: the player
            // reads it but can neither focus nor type into it
  Button,
  Picture,
  Result,   // a label the model shows when the game ends
};

enum class Font : std::uint8_t { Window, Caption, Result };

struct FontStyle {
  double points;
  bool bold;
};
// The window's own font, then the strip's captions, then the result labels.
inline constexpr std::array<FontStyle, 3> kFonts{{
    {8.25, false},
    {9.75, true},
    {24.0, true},
}};
constexpr const FontStyle& fontStyle(Font f) { return kFonts[static_cast<std::size_t>(f)]; }

// The client area below the menu bar.
inline constexpr Twips kClient{0, 0, 9945, 7440};

// What a row stands for in the model: the counter, button, picture or result
// label of its name. A caption stands for nothing the rules touch.
using Shows = std::variant<std::monostate, Counter, Button, Picture, Label>;

struct Control {
  std::string_view name;          // as the rules name it (controls.h)
  Kind kind;
  Shows shows;
  Picture container;              // Picture::None: the window's client area
  Twips place;
  std::string_view caption{};
  std::string_view tooltip{};
  std::string_view image{};       // file name under assets/images
  Font font = Font::Window;
};

// The rows are made by these, which find the model's control of each name
// when compiling: a misspelt name, or one of another kind, does not build.
consteval Picture containerNamed(std::string_view container) {
  return container.empty() ? Picture::None : resolve(kPictureNames, container, pictureAt);
}
consteval Control caption(std::string_view name, Twips place, std::string_view text) {
  return {name, Kind::Caption, std::monostate{}, Picture::None, place, text, {}, {}, Font::Caption};
}
consteval Control counter(std::string_view name, Twips place, std::string_view tooltip = {}) {
  return {name, Kind::Counter, resolve(kCounterNames, name, counterAt), Picture::None, place, {},
          tooltip};
}
consteval Control button(std::string_view name, Twips place, std::string_view text,
                         std::string_view tooltip = {}) {
  return {name, Kind::Button, resolve(kButtonNames, name, buttonAt), Picture::None, place, text,
          tooltip};
}
consteval Control picture(std::string_view name, std::string_view container, Twips place,
                          std::string_view image, std::string_view tooltip = {}) {
  return {name, Kind::Picture, resolve(kPictureNames, name, pictureAt), containerNamed(container),
          place, {}, tooltip, image};
}
consteval Control result(std::string_view name, std::string_view container, Twips place,
                         std::string_view text) {
  return {name, Kind::Result, resolve(kLabelNames, name, labelAt), containerNamed(container),
          place, text, {}, {}, Font::Result};
}

inline constexpr std::string_view kTitle = "Trelavka";

inline constexpr std::string_view kTipNetwork = "Přidává 5 k popularitě";
inline constexpr std::string_view kTipPhone =
    "Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny";

inline constexpr std::array<Control, 44> kControls{{
    // The control strip.
    caption("Label1", {120, 60, 975, 255}, "Peníze"),
    counter("Text1", {1560, 60, 1455, 225}, "Tvoje money"),
    caption("Label2", {120, 480, 1455, 255}, "Obyvatelstvo"),
    counter("Text2", {1560, 480, 1455, 225}, "Počet obyvatel tvé vesnice"),
    caption("Label3", {120, 900, 1155, 255}, "Popularita"),
    counter("Text3", {1560, 900, 1455, 225}, "Jak tě lidi milujou nebo nenávidiou"),
    caption("Label4", {4920, 60, 495, 195}, "Den"),
    counter("Text4", {5460, 60, 975, 225}),
    button("Command1", {3165, 45, 1635, 435}, "Další měsíc",
           "Tímto tlačítkem se dostaneš do dalšího měsíce"),
    button("Command2", {4920, 555, 1650, 435}, "Start hry"),
    button("Command3", {4920, 540, 1665, 450}, "Pauza"),
    picture("Picture16", "", {7920, 60, 1575, 315}, "banner-sewerage-red.gif", kTipNetwork),
    picture("Picture17", "", {7920, 480, 1515, 315}, "banner-gas-red.gif", kTipNetwork),
    picture("Picture18", "", {7920, 900, 1515, 315}, "banner-phone-red.gif", kTipPhone),
    picture("Picture19", "", {7920, 60, 1575, 315}, "banner-sewerage-blue.gif", kTipNetwork),
    picture("Picture20", "", {7920, 480, 1575, 315}, "banner-gas-blue.gif", kTipNetwork),
    picture("Picture21", "", {7920, 900, 1575, 315}, "banner-phone-blue.gif", kTipPhone),
    // The town map: 15 twips taller than the room left, so the window cuts its last row.
    picture("Picture1", "", {0, 1320, 9945, 6135}, "map.gif"),
    // On the map, below every picture.
    result("Label5", "Picture1", {3660, 540, 2745, 555}, "PROHRÁLS"),
    result("Label6", "Picture1", {3840, 1200, 2415, 555}, "VYHRÁLS"),
    picture("Picture2", "Picture1", {360, 4740, 975, 1095}, "police.gif",
            "POLICIE - Přidává 10 k popularitě (nutné na stavbu Hi-Tech radnice)"),
    picture("Picture3", "Picture1", {2040, 4920, 1095, 1095}, "fire-station.gif",
            "HASIČI - Přdává 15 k popularitě"),
    picture("Picture4", "Picture1", {7020, 4620, 1155, 1455}, "hospital.gif",
            "NEMOCNICE - přidává 15 k popularitě a 100 k obyvatelstvu (nutné pro Hi-TEch radnici)"),
    picture("Picture5", "Picture1", {5280, 3600, 1035, 615}, "shop.gif",
            "OBCHOD - Přidává 5 k popularitě a každý měsíc 50 000 do městské kasy"),
    picture("Picture6", "Picture1", {5940, 5160, 435, 495}, "house-yellow.gif"),
    picture("Picture7", "Picture1", {3780, 5100, 855, 495}, "house-mauve.gif"),
    picture("Picture8", "Picture1", {8940, 5160, 855, 735}, "house-mauve-pond.gif"),
    picture("Picture9", "Picture1", {5340, 5580, 855, 495}, "house-orange.gif"),
    picture("Picture10", "Picture1", {6360, 1620, 3255, 2535}, "estate.gif",
            "SÍDLIŠTĚ - přidává 5 k popularitě a 300 k obyvatelstvu (Nutné pro moderní radnici a "
            "hypermarket)"),
    // Laid over the estate's top, it adds the new storeys.
    picture("Picture29", "Picture10", {15, 60, 3165, 855}, "estate-enlarged.gif",
            "SÍDLIŠTĚ SE ZVĚTŠENOU KAPACITOU - Přidáva 200 k obyvatelstvu"),
    picture("Picture11", "Picture1", {3150, 2010, 1875, 2565}, "town-hall.gif",
            "MODERNÍ RADNICE - přidává 5 k popularitě, 100 k obyvatelstvu (Nutné pro pořádání "
            "festivalu)"),
    picture("Picture12", "Picture1", {780, 2910, 1995, 1305}, "hypermarket.gif",
            "HYPERMARKET \"Kramlex\" - přidává 50 k obyvatelstvu a 200 000,-Kč měsíčne do pokladny, "
            "ubírá 10 popularity"),
    picture("Picture13", "Picture1", {5400, 3000, 435, 495}, "house-yellow.gif"),
    picture("Picture14", "Picture1", {6060, 4920, 855, 675}, "house-white-pond.gif"),
    picture("Picture15", "Picture1", {3300, 5400, 435, 495}, "house-blue.gif"),
    picture("Picture22", "Picture1", {6000, 2760, 435, 495}, "house-blue.gif"),
    picture("Picture23", "Picture1", {4260, 5580, 435, 495}, "house-yellow.gif"),
    picture("Picture24", "Picture1", {3060, 2175, 2295, 2400}, "hitech-town-hall.gif",
            "HI-TECH RADNICE - Přidává 10 k popularitě a 200 k obyvatelstvu"),
    picture("Picture25", "Picture1", {8310, 4740, 840, 495}, "house-orange.gif"),
    picture("Picture26", "Picture1", {1950, 1440, 360, 735}, "lookout-tower.gif",
            "ROZHLEDNA - přidává 5 k popularitě"),
    picture("Picture27", "Picture1", {1275, 4800, 825, 510}, "house-orange.gif"),
    picture("Picture28", "Picture1", {4860, 5130, 465, 480}, "house-blue.gif"),
    picture("Picture30", "Picture1", {8100, 5745, 675, 330}, "heliport.gif",
            "HELIPORT - Patří k nemocnici s rozšířeným vybavením, přodává 100 k obyvatelstvu, 5 k "
            "popularitě"),
    picture("Picture31", "Picture1", {1740, 2460, 1185, 600}, "stage.gif",
            "KONCERT BRONTOVOX - Přidává 30 k popularitě"),
}};

constexpr bool wholePixels(const Twips& t) {
  for (int v : {t.left, t.top, t.width, t.height}) {
    if (v % kTwipsPerPixel != 0) return false;
  }
  return true;
}

// Every place is a whole number of pixels, every name is another control's,
// every container comes before what it holds, and each counter, button,
// picture and result label of the model has exactly one row.
constexpr bool wellFormed() {
  if (!wholePixels(kClient)) return false;
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    const Control& c = kControls[i];
    if (c.name.empty() || !wholePixels(c.place)) return false;
    bool containerBefore = c.container == Picture::None;
    for (std::size_t j = 0; j < i; ++j) {
      if (kControls[j].name == c.name) return false;
      containerBefore = containerBefore || kControls[j].shows == Shows{c.container};
    }
    if (!containerBefore) return false;
  }
  std::size_t modelled = 0;
  for (const Control& c : kControls) {
    if (c.kind == Kind::Caption) continue;
    ++modelled;
    for (const Control& other : kControls) {
      if (&other != &c && other.shows == c.shows) return false;
    }
  }
  return modelled == kCounterCount + kButtonCount + kPictureCount + kLabelCount;
}
static_assert(wellFormed());

}  // namespace trelavka::layout
