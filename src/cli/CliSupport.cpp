#include "cli/CliSupport.h"

#include <cstdio>
#include <iostream>

namespace pictavo::cli {

std::string ArgCursor::next() {
  if (done()) throw CliError(kUsageError, "missing argument");
  return args_[pos_++];
}

std::string ArgCursor::valueOf(const std::string& option) {
  if (done()) throw CliError(kUsageError, option + " needs a value");
  return args_[pos_++];
}

int parseInt(const std::string& text, const std::string& what) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size()) throw CliError(kUsageError, "bad " + what + ": " + text);
  return value;
}

std::pair<int, int> parseCell(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) throw CliError(kUsageError, "bad cell (want C,R): " + text);
  const int column = parseInt(text.substr(0, comma), "column");
  const int row = parseInt(text.substr(comma + 1), "row");
  if (!isOnCanvas(column, row)) throw CliError(kUsageError, "cell off the canvas: " + text);
  return {column, row};
}

Colour parseHexColour(const std::string& text) {
  if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    throw CliError(kUsageError, "bad colour (want RRGGBB): " + text);
  const unsigned long v = std::stoul(text, nullptr, 16);
  return rgb(int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF));
}

int parseDepth(const std::string& text) {
  const int depth = parseInt(text, "depth");
  if (depth != 16 && depth != 256 && depth != 24)
    throw CliError(kUsageError, "depth must be 16, 256 or 24: " + text);
  return depth;
}

void printCanvas(const Canvas& canvas, std::ostream& out) {
  char buf[8];
  for (int row = 0; row < kGridSize; ++row) {
    for (int column = 0; column < kGridSize; ++column) {
      const Cell& c = canvas.at(column, row);
      std::snprintf(buf, sizeof buf, "%02X%02X%02X", redOf(c.colour), greenOf(c.colour),
                    blueOf(c.colour));
      if (column) out << ' ';
      if (c.transparent == 1) out << 't';
      out << buf;
    }
    out << '\n';
  }
}

Answer ConsoleMessageBoxes::show(const std::string& text, const std::string& title,
                                 Buttons buttons, MessageIcon) {
  if (buttons == Buttons::YesNo) {
    // The only Yes/No question an edit can meet is Count Colors' offer to merge.
    if (yesAnswers_ == 0) return Answer::No;
    --yesAnswers_;
    return Answer::Yes;
  }
  std::cerr << (title.empty() ? "" : title + ": ") << text << '\n';
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    default: return Answer::Yes;
  }
}

}  // namespace pictavo::cli
