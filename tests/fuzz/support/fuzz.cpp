// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzz.h"

#include "scenario.h"

namespace trelavka::fuzz {
namespace {

std::optional<Broken> play(Session& session, const std::vector<Action>& actions) {
  Checker checker;
  std::vector<Action> done;
  if (auto f = checker.observe(session.load())) return Broken{*f, done};
  for (const Action& action : actions) {
    if (session.quit()) break;
    if (!session.legal(action)) return std::nullopt;
    done.push_back(action);
    if (auto f = checker.observe(session.run(action))) return Broken{*f, done};
  }
  return std::nullopt;
}

bool stillBreaks(const std::vector<Action>& actions, const std::string& invariant) {
  const auto broken = replay(actions);
  return broken && broken->failure.invariant == invariant;
}

}  // namespace

std::optional<Broken> replay(const std::vector<Action>& actions) {
  Session session;
  return play(session, actions);
}

std::optional<Broken> randomSession(std::uint64_t seed, std::size_t length) {
  Session session;
  Generator generator(seed);
  Checker checker;
  std::vector<Action> done;
  if (auto f = checker.observe(session.load())) return Broken{*f, done};
  while (done.size() < length && !session.quit()) {
    done.push_back(generator.next(session));
    if (auto f = checker.observe(session.run(done.back()))) return Broken{*f, done};
  }
  return std::nullopt;
}

std::vector<Action> shrink(std::vector<Action> actions, const std::string& invariant) {
  bool progress = true;
  while (progress) {
    progress = false;
    // Chunks from half the script down to single lines.
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
      for (std::size_t at = 0; at + chunk <= actions.size();) {
        std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<long>(at));
        fewer.insert(fewer.end(), actions.begin() + static_cast<long>(at + chunk), actions.end());
        if (stillBreaks(fewer, invariant)) {
          actions = std::move(fewer);
          progress = true;
        } else {
          at += chunk;
        }
      }
    }
    // Neighbouring waits as one: the same ticks in fewer lines.
    for (std::size_t at = 0; at + 1 < actions.size();) {
      std::vector<Action> merged = actions;
      const bool waits = merged[at].kind == Action::Kind::Wait &&
                         merged[at + 1].kind == Action::Kind::Wait;
      if (waits) {
        merged[at].number += merged[at + 1].number;
        merged.erase(merged.begin() + static_cast<long>(at) + 1);
      }
      if (waits && merged[at].number <= kLongestWaitMs && stillBreaks(merged, invariant)) {
        actions = std::move(merged);
        progress = true;
      } else {
        ++at;
      }
    }
    for (auto& action : actions) {
      while (action.kind == Action::Kind::Wait && action.number > 0) {
        const std::int64_t was = action.number;
        action.number = was / 2;
        if (stillBreaks(actions, invariant)) {
          progress = true;
        } else {
          action.number = was;
          break;
        }
      }
    }
  }
  // Cut what follows the breaking line.
  if (const auto broken = replay(actions)) return broken->actions;
  return actions;
}

}  // namespace trelavka::fuzz
