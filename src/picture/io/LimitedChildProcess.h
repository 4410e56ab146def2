#pragma once
#include <cstddef>
#include <string>

namespace pictavo {

struct ChildLimits {
  int cpuSeconds = 4;
  unsigned long long memoryBytes = 1ull << 30;  // address space
  int timeoutMs = 8000;                          // wall clock, for a child that stalls
  std::size_t maxOutputBytes = 96u << 20;
};

struct ChildResult {
  enum class Outcome { Exited, Crashed, TimedOut, OutputTooLarge, NotStarted };
  Outcome outcome = Outcome::NotStarted;
  int exitCode = -1;
  int signal = 0;  // what ended a crashed child
  std::string output;  // standard output
  std::string errors;  // the start of standard error
};

// Runs `program` with `input` on its standard input, under the limits (set in
// the child before it starts). The child is killed when it overruns.
ChildResult runLimited(const std::string& program, const std::string& input, const ChildLimits& limits);

}  // namespace pictavo
