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
  Counter,  // a disabled text field showing a counter of the model
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

struct Control {
  std::string_view name;       // as the rules name it (controls.h)
  Kind kind;
  std::string_view container;  // empty: the window's client area
  Twips place;
  std::string_view caption{};
  std::string_view tooltip{};
  std::string_view image{};    // file name under assets/images
  Font font = Font::Window;
};

using K = Kind;

inline constexpr std::string_view kTipNetwork = "Přidává 5 k popularitě";
inline constexpr std::string_view kTipPhone =
    "Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny";

inline constexpr std::array<Control, 44> kControls{{
    // The control strip.
    {"Label1", K::Caption, "", {120, 60, 975, 255}, "Peníze", {}, {}, Font::Caption},
    {"Text1", K::Counter, "", {1560, 60, 1455, 225}, {}, "Tvoje money"},
    {"Label2", K::Caption, "", {120, 480, 1455, 255}, "Obyvatelstvo", {}, {}, Font::Caption},
    {"Text2", K::Counter, "", {1560, 480, 1455, 225}, {}, "Počet obyvatel tvé vesnice"},
    {"Label3", K::Caption, "", {120, 900, 1155, 255}, "Popularita", {}, {}, Font::Caption},
    {"Text3", K::Counter, "", {1560, 900, 1455, 225}, {}, "Jak tě lidi milujou nebo nenávidiou"},
    {"Label4", K::Caption, "", {4920, 60, 495, 195}, "Den", {}, {}, Font::Caption},
    {"Text4", K::Counter, "", {5460, 60, 975, 225}},
    {"Command1", K::Button, "", {3165, 45, 1635, 435}, "Další měsíc",
     "Tímto tlačítkem se dostaneš do dalšího měsíce"},
    {"Command2", K::Button, "", {4920, 555, 1650, 435}, "Start hry"},
    {"Command3", K::Button, "", {4920, 540, 1665, 450}, "Pauza"},
    {"Picture16", K::Picture, "", {7920, 60, 1575, 315}, {}, kTipNetwork, "banner-sewerage-red.gif"},
    {"Picture17", K::Picture, "", {7920, 480, 1515, 315}, {}, kTipNetwork, "banner-gas-red.gif"},
    {"Picture18", K::Picture, "", {7920, 900, 1515, 315}, {}, kTipPhone, "banner-phone-red.gif"},
    {"Picture19", K::Picture, "", {7920, 60, 1575, 315}, {}, kTipNetwork, "banner-sewerage-blue.gif"},
    {"Picture20", K::Picture, "", {7920, 480, 1575, 315}, {}, kTipNetwork, "banner-gas-blue.gif"},
    {"Picture21", K::Picture, "", {7920, 900, 1575, 315}, {}, kTipPhone, "banner-phone-blue.gif"},
    // The town map: 15 twips taller than the room left, so the window cuts its last row.
    {"Picture1", K::Picture, "", {0, 1320, 9945, 6135}, {}, {}, "map.gif"},
    // On the map, below every picture.
    {"Label5", K::Result, "Picture1", {3660, 540, 2745, 555}, "PROHRÁLS", {}, {}, Font::Result},
    {"Label6", K::Result, "Picture1", {3840, 1200, 2415, 555}, "VYHRÁLS", {}, {}, Font::Result},
    {"Picture2", K::Picture, "Picture1", {360, 4740, 975, 1095}, {},
     "POLICIE - Přidává 10 k popularitě (nutné na stavbu Hi-Tech radnice)", "police.gif"},
    {"Picture3", K::Picture, "Picture1", {2040, 4920, 1095, 1095}, {},
     "HASIČI - Přdává 15 k popularitě", "fire-station.gif"},
    {"Picture4", K::Picture, "Picture1", {7020, 4620, 1155, 1455}, {},
     "NEMOCNICE - přidává 15 k popularitě a 100 k obyvatelstvu (nutné pro Hi-TEch radnici)",
     "hospital.gif"},
    {"Picture5", K::Picture, "Picture1", {5280, 3600, 1035, 615}, {},
     "OBCHOD - Přidává 5 k popularitě a každý měsíc 50 000 do městské kasy", "shop.gif"},
    {"Picture6", K::Picture, "Picture1", {5940, 5160, 435, 495}, {}, {}, "house-yellow.gif"},
    {"Picture7", K::Picture, "Picture1", {3780, 5100, 855, 495}, {}, {}, "house-mauve.gif"},
    {"Picture8", K::Picture, "Picture1", {8940, 5160, 855, 735}, {}, {}, "house-mauve-pond.gif"},
    {"Picture9", K::Picture, "Picture1", {5340, 5580, 855, 495}, {}, {}, "house-orange.gif"},
    {"Picture10", K::Picture, "Picture1", {6360, 1620, 3255, 2535}, {},
     "SÍDLIŠTĚ - přidává 5 k popularitě a 300 k obyvatelstvu (Nutné pro moderní radnici a "
     "hypermarket)",
     "estate.gif"},
    // Laid over the estate's top, it adds the new storeys.
    {"Picture29", K::Picture, "Picture10", {15, 60, 3165, 855}, {},
     "SÍDLIŠTĚ SE ZVĚTŠENOU KAPACITOU - Přidáva 200 k obyvatelstvu", "estate-enlarged.gif"},
    {"Picture11", K::Picture, "Picture1", {3150, 2010, 1875, 2565}, {},
     "MODERNÍ RADNICE - přidává 5 k popularitě, 100 k obyvatelstvu (Nutné pro pořádání "
     "festivalu)",
     "town-hall.gif"},
    {"Picture12", K::Picture, "Picture1", {780, 2910, 1995, 1305}, {},
     "HYPERMARKET \"Kramlex\" - přidává 50 k obyvatelstvu a 200 000,-Kč měsíčne do pokladny, "
     "ubírá 10 popularity",
     "hypermarket.gif"},
    {"Picture13", K::Picture, "Picture1", {5400, 3000, 435, 495}, {}, {}, "house-yellow.gif"},
    {"Picture14", K::Picture, "Picture1", {6060, 4920, 855, 675}, {}, {}, "house-white-pond.gif"},
    {"Picture15", K::Picture, "Picture1", {3300, 5400, 435, 495}, {}, {}, "house-blue.gif"},
    {"Picture22", K::Picture, "Picture1", {6000, 2760, 435, 495}, {}, {}, "house-blue.gif"},
    {"Picture23", K::Picture, "Picture1", {4260, 5580, 435, 495}, {}, {}, "house-yellow.gif"},
    {"Picture24", K::Picture, "Picture1", {3060, 2175, 2295, 2400}, {},
     "HI-TECH RADNICE - Přidává 10 k popularitě a 200 k obyvatelstvu", "hitech-town-hall.gif"},
    {"Picture25", K::Picture, "Picture1", {8310, 4740, 840, 495}, {}, {}, "house-orange.gif"},
    {"Picture26", K::Picture, "Picture1", {1950, 1440, 360, 735}, {},
     "ROZHLEDNA - přidává 5 k popularitě", "lookout-tower.gif"},
    {"Picture27", K::Picture, "Picture1", {1275, 4800, 825, 510}, {}, {}, "house-orange.gif"},
    {"Picture28", K::Picture, "Picture1", {4860, 5130, 465, 480}, {}, {}, "house-blue.gif"},
    {"Picture30", K::Picture, "Picture1", {8100, 5745, 675, 330}, {},
     "HELIPORT - Patří k nemocnici s rozšířeným vybavením, přodává 100 k obyvatelstvu, 5 k "
     "popularitě",
     "heliport.gif"},
    {"Picture31", K::Picture, "Picture1", {1740, 2460, 1185, 600}, {},
     "KONCERT BRONTOVOX - Přidává 30 k popularitě", "stage.gif"},
}};

// Every place is a whole number of pixels, and every container comes before
// what it holds.
constexpr bool wellFormed() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (kControls[i].name.empty()) return false;
    const Twips& t = kControls[i].place;
    for (int v : {t.left, t.top, t.width, t.height}) {
      if (v % kTwipsPerPixel != 0) return false;
    }
    if (kControls[i].container.empty()) continue;
    bool found = false;
    for (std::size_t j = 0; j < i; ++j) found = found || kControls[j].name == kControls[i].container;
    if (!found) return false;
  }
  return true;
}
static_assert(wellFormed());

}  // namespace trelavka::layout
