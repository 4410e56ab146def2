// libFuzzer's entry point for one target; PICTAVO_FUZZ_CHECK names its check.
#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = pictavo::fuzz::PICTAVO_FUZZ_CHECK(data, size);
  if (!problem.empty()) {
    std::fprintf(stderr, "check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
