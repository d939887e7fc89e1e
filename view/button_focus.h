// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Start hry" and "Pauza" take turns in one place, and a player who presses
// them with Space must find the keyboard on the one shown: when the button
// that holds the focus is hidden (or disabled), the focus passes to the
// button that shares its place, as soon as that one is shown and enabled,
// unless the focus has found another shown control of the window meanwhile.
#pragma once

#include <optional>

#include "controls.h"
#include "model.h"

namespace trelavka::view {

// Whether two buttons of the layout table overlap.
bool sharePlace(Button a, Button b);

class ButtonFocus {
 public:
  // Call after the model changed button `b`, with whether `b` held the
  // keyboard focus just before the change and whether the focus now rests
  // on no shown control of the window. Returns the button that is to take
  // the focus now, if any.
  std::optional<Button> changed(const Model& model, Button b, bool hadFocus, bool focusLost);

 private:
  std::optional<Button> orphan_;  // lost the focus; its heir is not shown yet
};

}  // namespace trelavka::view
