#include "scenario.h"

#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "headless.h"
#include "menu.h"

namespace trelavka {
namespace {

struct ScriptError {
  std::string message;
};

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Quotes a word for an error message; bytes that would garble a terminal are escaped.
std::string quoted(std::string_view word) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "'";
  for (unsigned char ch : word) {
    if (ch < 0x20 || ch == 0x7f) {
      out += "\\x";
      out += kHex[ch >> 4];
      out += kHex[ch & 0xf];
    } else {
      out += static_cast<char>(ch);
    }
  }
  return out + "'";
}

std::optional<std::int64_t> wholeNumber(std::string_view word) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  if (word.empty() || word.front() == '+') return std::nullopt;
  auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc{} || ptr != end) return std::nullopt;
  return value;
}

void expectWords(const std::vector<std::string_view>& words, std::size_t count,
                 std::string_view usage) {
  if (words.size() < count) {
    throw ScriptError{std::string(words[0]) + " needs " + std::string(usage)};
  }
  if (words.size() > count) {
    throw ScriptError{"unexpected word " + quoted(words[count]) + " after " +
                      std::string(words[0])};
  }
}

class Interpreter {
 public:
  explicit Interpreter(std::ostream& out)
      : out_(out), game_([this](std::string_view line) {
          out_ << line << '\n';
        }) {}

  void load() { game_.load(); }
  bool ended() const { return game_.ended(); }
  void run(const std::vector<std::string_view>& words);

 private:
  void menu(std::string_view item);
  void press(std::string_view button);
  void wait(std::string_view ms);
  void set(std::string_view field, std::string_view value);
  void picture(std::string_view name, bool shown);
  void flag(std::string_view name, std::string_view value);
  void about(std::string_view target);

  std::ostream& out_;
  Headless game_;
};

void Interpreter::run(const std::vector<std::string_view>& words) {
  const std::string_view command = words[0];
  if (command == "menu") {
    expectWords(words, 2, "a menu item");
    menu(words[1]);
  } else if (command == "press") {
    expectWords(words, 2, "a button (Command2 or Command3)");
    press(words[1]);
  } else if (command == "step") {
    expectWords(words, 1, "");
    game_.step();
  } else if (command == "wait") {
    expectWords(words, 2, "a number of milliseconds");
    wait(words[1]);
  } else if (command == "set") {
    expectWords(words, 3, "a counter (Text1 .. Text4) and a whole number");
    set(words[1], words[2]);
  } else if (command == "show" || command == "hide") {
    expectWords(words, 2, "a picture (Picture2 .. Picture31)");
    picture(words[1], command == "show");
  } else if (command == "flag") {
    expectWords(words, 3, "a check box (check, Check2 .. Check5) and 0 or 1");
    flag(words[1], words[2]);
  } else if (command == "about") {
    expectWords(words, 2, "Form, Picture1, Label5 or close");
    about(words[1]);
  } else if (command == "dump") {
    expectWords(words, 1, "");
    game_.dump();
  } else {
    throw ScriptError{"unknown command " + quoted(command)};
  }
}

void Interpreter::menu(std::string_view item) {
  const MenuItem* entry = menuItemNamed(item);
  if (entry != nullptr && entry->action == MenuAction::Submenu) {
    throw ScriptError{quoted(item) + " is a submenu, not a menu item"};
  }
  if (entry == nullptr || !game_.choose(item)) {
    throw ScriptError{"unknown menu item " + quoted(item)};
  }
}

void Interpreter::press(std::string_view name) {
  const auto button = buttonNamed(name);
  if (!button || *button == Button::Command1) {
    throw ScriptError{quoted(name) + " is not a button a player can press (Command2 or Command3)"};
  }
  const ButtonState state = game_.model().button(*button);
  if (!state.shown) throw ScriptError{quoted(name) + " is hidden"};
  if (!state.enabled) throw ScriptError{quoted(name) + " is disabled"};
  game_.press(*button);
}

void Interpreter::wait(std::string_view word) {
  const auto ms = wholeNumber(word);
  if (!ms || *ms < 0) {
    throw ScriptError{"wait needs a whole number of milliseconds >= 0, not " + quoted(word)};
  }
  if (*ms > kLongestWaitMs) {
    throw ScriptError{"wait " + quoted(word) + " is longer than " +
                      std::to_string(kLongestWaitMs) + " ms"};
  }
  game_.wait(*ms);
}

void Interpreter::set(std::string_view field, std::string_view word) {
  const auto counter = counterNamed(field);
  if (!counter) throw ScriptError{"unknown counter " + quoted(field) + " (Text1 .. Text4)"};
  const auto value = wholeNumber(word);
  if (!value) throw ScriptError{"not a whole number that fits a counter: " + quoted(word)};
  game_.set(*counter, *value);
}

void Interpreter::picture(std::string_view name, bool shown) {
  const auto picture = pictureNamed(name);
  if (!picture || *picture == Picture::Picture1) {
    throw ScriptError{"unknown picture " + quoted(name) + " (Picture2 .. Picture31)"};
  }
  game_.model().setShown(*picture, shown);
}

void Interpreter::flag(std::string_view name, std::string_view value) {
  const auto flag = flagNamed(name);
  if (!flag) throw ScriptError{"unknown check box " + quoted(name) + " (check, Check2 .. Check5)"};
  if (value != "0" && value != "1") throw ScriptError{"a check box is 0 or 1, not " + quoted(value)};
  game_.model().setFlag(*flag, value == "1");
}

void Interpreter::about(std::string_view target) {
  std::optional<AboutTarget> where;
  if (target == "Form") where = AboutTarget::Form;
  if (target == "Picture1") where = AboutTarget::Logo;
  if (target == "Label5") where = AboutTarget::Address;
  if (target == "close") where = AboutTarget::CloseBox;
  if (!where) throw ScriptError{"unknown place in the about window " + quoted(target)};
  if (!game_.model().aboutOpen()) throw ScriptError{"the about window is not open"};
  game_.clickAbout(*where);
}

}  // namespace

int runScenario(std::istream& script, std::string_view scriptName, std::ostream& out,
                std::ostream& err) {
  Interpreter interpreter(out);
  interpreter.load();
  std::string line;
  std::size_t number = 0;
  while (!interpreter.ended() && std::getline(script, line)) {
    ++number;
    std::string_view text = line;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const auto words = splitWords(text);
    if (words.empty() || words[0].front() == '#') continue;
    try {
      interpreter.run(words);
    } catch (const ScriptError& e) {
      out.flush();
      err << scriptName << ':' << number << ": " << e.message << '\n';
      return 2;
    }
  }
  out.flush();
  return 0;
}

}  // namespace trelavka
