// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "events.h"
#include "menu.h"
#include "texts.h"
#include "timers.h"

namespace trelavka {
namespace {

// Thrown once the program has ended so that no rule runs after it; caught at
// the entry of the event that ended it.
struct ProgramEnded {};

constexpr std::int64_t kGrowth = 25;
constexpr std::int64_t kTaxPerInhabitant = 50;
constexpr std::int64_t kBankruptBelow = -100000;
constexpr std::int64_t kWarnBelow = 0;
constexpr std::int64_t kVotedOutBelow = -10;

}  // namespace

Game::Game(Model& model, Port& port) : model_(model), port_(port) {
  model_.setCounterHandler(this);
}

Game::~Game() { model_.setCounterHandler(nullptr); }

template <typename F>
void Game::run(F&& handler) {
  if (ended_) return;
  try {
    handler();
  } catch (const ProgramEnded&) {
  }
}

void Game::endProgram() {
  ended_ = true;
  model_.setTimerOn(kGameTimer, false);
  port_.quit();
  throw ProgramEnded{};
}

void Game::overflowed() {
  message(text::kOverflowTitle, text::kOverflow);
  endProgram();
}

void Game::message(std::string_view title, std::string_view text) {
  ++openBoxes_;
  port_.showMessage(title, text);
  --openBoxes_;
  if (ended_) throw ProgramEnded{};
}

void Game::load() {
  run([&] { message(text::kWelcomeTitle, text::kWelcome); });
}

void Game::press(Button button) {
  run([&] {
    switch (button) {
      case Button::Command1: timeStep(); break;
      case Button::Command2: start(); break;
      case Button::Command3: pause(); break;
    }
  });
}

void Game::tick(Timer timer) {
  run([&] {
    if (!model_.timerOn(timer)) return;
    if (timer != kGameTimer) {
      animate(timer);
    } else if (boxOpen()) {
      deferredTick_ = true;
    } else {
      timeStep();
    }
  });
}

void Game::deliverDeferredTick() {
  if (!deferredTick_ || boxOpen()) return;
  deferredTick_ = false;
  // A pause or a loss while the box was open stops the clock for the kept tick too.
  tick(kGameTimer);
}

bool Game::choose(std::string_view menuItem) {
  const MenuItem* item = menuItemNamed(menuItem);
  if (item == nullptr || item->action == MenuAction::Submenu) return false;
  const Offer* offer = offerFor(menuItem);
  if (item->action == MenuAction::Buy && offer == nullptr) return false;
  run([&] {
    switch (item->action) {
      case MenuAction::Submenu: break;
      case MenuAction::Quit: endProgram();
      case MenuAction::Buy: buy(*offer); break;
      case MenuAction::Help: message(text::kHelpTitle, text::kHelp); break;
      case MenuAction::About: showAbout(); break;
    }
  });
  return true;
}

void Game::clickAbout(AboutTarget target) {
  run([&] {
    if (!model_.aboutOpen()) return;
    if (target == AboutTarget::Address) {
      port_.openAddress(text::kMakerAddress);
      return;
    }
    model_.setAboutOpen(false);
    port_.closeAbout();
  });
}

void Game::write(Counter counter, std::int64_t value) {
  run([&] { model_.writeCounter(counter, value); });
}

void Game::start() {
  model_.setTimerOn(kGameTimer, true);
  model_.setButtonShown(Button::Command2, false);
  model_.setButtonShown(Button::Command3, true);
}

void Game::pause() {
  model_.setTimerOn(kGameTimer, false);
  model_.setButtonShown(Button::Command2, true);
  model_.setButtonShown(Button::Command3, false);
}

// 64-bit and checked: a town rich past any real play ends with a report
// instead of wrapping round.
void Game::timeStep() {
  addToCounter(kPopulation, kGrowth);

  std::int64_t sum = 0;
  bool overflow = __builtin_mul_overflow(model_.counter(kPopulation), kTaxPerInhabitant, &sum) ||
                  __builtin_add_overflow(model_.counter(kMoney), sum, &sum);
  for (const auto& building : kBuildings) {
    if (building.income != 0 && model_.shown(building.picture)) {
      overflow = overflow || __builtin_add_overflow(sum, building.income, &sum);
    }
  }
  if (overflow) overflowed();
  model_.writeCounter(kMoney, sum);

  addToCounter(kDay, 1);
}

void Game::counterChanged(Counter c) {
  switch (c) {
    case Counter::Text1: moneyWatcher(); break;
    case Counter::Text3: popularityWatcher(); break;
    case Counter::Text4: datedEvents(); break;
    case Counter::Text2: break;
  }
}

void Game::moneyWatcher() {
  if (model_.counter(kMoney) < kBankruptBelow) loseGame(text::kBankrupt);
}

void Game::popularityWatcher() {
  if (model_.counter(kPopularity) < kWarnBelow) message(text::kAdviser, text::kLowPopularity);
  if (model_.counter(kPopularity) < kVotedOutBelow) loseGame(text::kVotedOut);
}

void Game::loseGame(std::string_view text) {
  message(text::kAdviser, text);
  model_.setTimerOn(kGameTimer, false);
  model_.setShown(Label::Label5, true);
  model_.setButtonEnabled(Button::Command3, false);
}

void Game::winGame() {
  model_.setTimerOn(kGameTimer, false);
  model_.setShown(Label::Label6, true);
  showAbout();
}

void Game::datedEvents() {
  for (const auto& event : kDatedEvents) {
    // Read afresh for every row: the day is what the counter holds now.
    if (model_.counter(kDay) != event.day) continue;
    if (event.picture != Picture::None && model_.shown(event.picture) != event.whenShown) {
      continue;
    }
    message(event.title, event.text);
    for (const auto& effect : event.effects) {
      switch (effect.kind) {
        case EventEffect::Kind::None: break;
        case EventEffect::Kind::Add: addToCounter(effect.counter, effect.amount); break;
        case EventEffect::Kind::Hide: model_.setShown(effect.picture, false); break;
        case EventEffect::Kind::Win: winGame(); break;
      }
    }
  }
}

bool Game::refuses(const Offer& offer, const Check& check) const {
  switch (check.kind) {
    case Check::Kind::None: return false;
    case Check::Kind::Money: return model_.counter(kMoney) < offer.price;
    case Check::Kind::Built: return model_.shown(offer.picture);
    case Check::Kind::Held: return model_.flag(offer.flag);
    case Check::Kind::Shown: return model_.shown(check.picture);
    case Check::Kind::Missing: return !model_.shown(check.picture);
    case Check::Kind::NeitherShown:
      return !model_.shown(check.picture) && !model_.shown(check.other);
    case Check::Kind::PopularityBelow: return model_.counter(kPopularity) < check.threshold;
  }
  return false;
}

void Game::buy(const Offer& offer) {
  for (const auto& check : offer.checks) {
    if (!refuses(offer, check)) continue;
    const std::string_view text =
        check.kind == Check::Kind::Money ? text::kNotEnoughMoney : check.message;
    message(check.title.empty() ? offer.refusalTitle : check.title, text);
    return;
  }
  // Popularity before money, so its watcher speaks first; a watcher ending the
  // game does not stop the purchase.
  if (offer.picture != Picture::None) model_.setShown(offer.picture, true);
  if (offer.replaces != Picture::None) model_.setShown(offer.replaces, false);
  if (offer.popularity != 0) addToCounter(kPopularity, offer.popularity);
  addToCounter(kMoney, -offer.price);
  if (offer.population != 0) addToCounter(kPopulation, offer.population);
  if (offer.flag != Flag::None) model_.setFlag(offer.flag, true);
  if (offer.startsTimer != Timer::None) model_.setTimerOn(offer.startsTimer, true);
  if (!offer.message.text.empty()) message(offer.message.title, offer.message.text);
  if (offer.hidesAfterMessage != Picture::None) model_.setShown(offer.hidesAfterMessage, false);
  if (!offer.sound.empty()) port_.playSound(offer.sound);
}

void Game::addToCounter(Counter c, std::int64_t amount) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(model_.counter(c), amount, &sum)) overflowed();
  model_.writeCounter(c, sum);
}

void Game::showAbout() {
  if (model_.aboutOpen()) {
    port_.raiseAbout();
    return;
  }
  model_.setAboutOpen(true);
  // The window's load plays its sound before it is first shown.
  port_.playSound(text::kAboutSound);
  port_.openAbout();
}

void Game::animate(Timer timer) {
  for (const auto& op : timerRow(timer).tick) {
    switch (op.kind) {
      case TickOp::Kind::None: break;
      case TickOp::Kind::Show: model_.setShown(op.picture, true); break;
      case TickOp::Kind::Hide: model_.setShown(op.picture, false); break;
      case TickOp::Kind::TimerOn: model_.setTimerOn(op.timer, true); break;
      case TickOp::Kind::TimerOff: model_.setTimerOn(op.timer, false); break;
    }
  }
}

}  // namespace trelavka
