#pragma once
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"
#include "canvas/Canvas.h"

namespace pictavo::cli {

enum ExitCode { kOk = 0, kUsageError = 1, kBadInput = 2, kNothingFound = 3 };

// Thrown from deep inside a command; main() turns it into a message and an exit status.
struct CliError : std::runtime_error {
  CliError(ExitCode c, const std::string& what) : std::runtime_error(what), code(c) {}
  ExitCode code;
};

// Walks the arguments of one subcommand.
class ArgCursor {
 public:
  explicit ArgCursor(std::vector<std::string> args) : args_(std::move(args)) {}
  bool done() const { return pos_ >= args_.size(); }
  const std::string& peek() const { return args_[pos_]; }
  std::string next();
  std::string valueOf(const std::string& option);  // the word after an option

 private:
  std::vector<std::string> args_;
  std::size_t pos_ = 0;
};

int parseInt(const std::string& text, const std::string& what);
std::pair<int, int> parseCell(const std::string& text);  // "C,R", each 0..31
Colour parseHexColour(const std::string& text);          // "RRGGBB"
int parseDepth(const std::string& text);                 // 16, 256 or 24

// The canvas as 32 lines of 32 cells: RRGGBB, or tRRGGBB for a transparent cell.
void printCanvas(const Canvas& canvas, std::ostream& out);

// Warnings go to standard error and are accepted; Count Colors' question is
// answered Yes as many times as asked for, then No.
class ConsoleMessageBoxes : public MessageBoxes {
 public:
  explicit ConsoleMessageBoxes(int yesAnswers = 0) : yesAnswers_(yesAnswers) {}
  void setYesAnswers(int n) { yesAnswers_ = n; }
  Answer show(const std::string& text, const std::string& title, Buttons buttons,
              MessageIcon icon) override;

 private:
  int yesAnswers_;
};

}  // namespace pictavo::cli
