// The one door through which the window, the clock and the about window hand
// events to the rules. After each event it makes sure that a game-timer tick
// kept while a message box was open is delivered, once, from the event loop.
#pragma once

#include <QObject>
#include <string_view>

#include "game.h"

namespace trelavka {

class Dispatch final : public QObject {
  Q_OBJECT

 public:
  explicit Dispatch(Game& game) : game_(game) {}

  void choose(std::string_view menuItem);
  void press(Button button);
  void tick(Timer timer);
  void clickAbout(AboutTarget target);

  Game& game() { return game_; }

 private:
  void settle();

  Game& game_;
  bool posted_ = false;
};

}  // namespace trelavka
