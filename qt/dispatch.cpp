#include "dispatch.h"

#include <QTimer>

namespace trelavka {

void Dispatch::choose(std::string_view menuItem) {
  game_.choose(menuItem);
  settle();
}

void Dispatch::press(Button button) {
  game_.press(button);
  settle();
}

void Dispatch::tick(Timer timer) {
  game_.tick(timer);
  settle();
}

void Dispatch::clickAbout(AboutTarget target) {
  game_.clickAbout(target);
  settle();
}

void Dispatch::settle() {
  // Inside a box (a nested event loop) the kept tick waits for the handler
  // that opened it to return; that handler's own settle() posts it.
  if (posted_ || !game_.hasDeferredTick() || game_.boxOpen()) return;
  posted_ = true;
  QTimer::singleShot(0, this, [this] {
    posted_ = false;
    game_.deliverDeferredTick();
    settle();
  });
}

}  // namespace trelavka
