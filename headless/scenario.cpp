// SPDX-FileCopyrightText: 2026 Tým Trelavka
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

// Bytes of a word echoed in an error: enough to recognise it, never a
// megabyte line.
constexpr std::size_t kEchoedBytes = 40;

// Length of the printable UTF-8 character at the start of `text`; 0 for an
// invalid sequence or a control character.
std::size_t printableChar(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7f ? 1 : 0;
  const std::size_t length = lead >= 0xc2 && lead <= 0xdf   ? 2
                             : lead >= 0xe0 && lead <= 0xef ? 3
                             : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                            : 0;
  if (length == 0 || text.size() < length) return 0;
  std::uint32_t code = lead & (0xff >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xc0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3f);
  }
  const std::uint32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool valid = code >= shortest[length] && code <= 0x10ffff &&
                     (code < 0xd800 || code > 0xdfff);
  const bool control = code < 0xa0;  // C1 controls
  return valid && !control ? length : 0;
}

}  // namespace

std::string printable(std::string_view text, std::size_t limit) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  std::size_t i = 0;
  while (i < text.size() && i < limit) {
    const std::size_t length = printableChar(text.substr(i));
    if (length == 0) {
      const auto ch = static_cast<unsigned char>(text[i]);
      out += "\\x";
      out += kHex[ch >> 4];
      out += kHex[ch & 0xf];
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  if (i < text.size()) out += "...";
  return out;
}

namespace {

std::string quoted(std::string_view word) { return "'" + printable(word, kEchoedBytes) + "'"; }

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
  // Digits only: "-0" is no duration, whatever its value.
  const auto ms = word.front() == '-' ? std::nullopt : wholeNumber(word);
  if (!ms) {
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

namespace {

// One line of the script without its LF (a CR before it stays, for the
// caller to drop), or nothing at the end of the script; a line longer than
// kLongestLineBytes, its end not counted, is cut there (`tooLong`), and the
// rest of it is not read.
std::optional<std::string> readLine(std::streambuf& in, bool& tooLong) {
  using traits = std::streambuf::traits_type;
  std::string line;
  tooLong = false;
  for (int ch = in.sbumpc(); ch != traits::eof(); ch = in.sbumpc()) {
    if (ch == '\n') return line;
    if (line.size() == kLongestLineBytes) {
      const int next = in.sgetc();
      if (ch == '\r' && (next == '\n' || next == traits::eof())) {
        in.sbumpc();
        return line + '\r';
      }
      tooLong = true;
      return line;
    }
    line += static_cast<char>(ch);
  }
  if (line.empty()) return std::nullopt;
  return line;
}

}  // namespace

int runScenario(std::istream& script, std::string_view scriptName, std::ostream& out,
                std::ostream& err) {
  Interpreter interpreter(out);
  interpreter.load();
  std::size_t number = 0;
  auto fail = [&](const std::string& message) {
    out.flush();
    err << printable(scriptName) << ':' << number << ": " << message << '\n';
    return 2;
  };
  bool tooLong = false;
  std::streambuf* in = script.rdbuf();
  while (!interpreter.ended() && out && in != nullptr) {
    auto line = readLine(*in, tooLong);
    if (!line) break;
    ++number;
    if (tooLong) {
      return fail("line longer than " + std::to_string(kLongestLineBytes) + " bytes");
    }
    std::string_view text = *line;
    if (number == 1 && text.substr(0, 3) == "\xef\xbb\xbf") text.remove_prefix(3);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const auto words = splitWords(text);
    if (words.empty() || words[0].front() == '#') continue;
    try {
      interpreter.run(words);
    } catch (const ScriptError& e) {
      return fail(e.message);
    }
  }
  out.flush();
  if (!out) {
    err << "trelavka-scenario: the transcript could not be written\n";
    return 1;
  }
  return 0;
}

}  // namespace trelavka
