#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pictavo::fuzz {

// Each runs one input through everything its fuzz target covers and returns
// what did not hold, or "" when all did. Bad input must be refused cleanly:
// only a broken promise of the model is a failure.
std::string checkIconFile(const std::uint8_t* data, std::size_t size);
std::string checkIconRead(const std::uint8_t* data, std::size_t size);  // checkIconFile without the writing
std::string checkIconImages(const std::uint8_t* data, std::size_t size);
std::string checkIconMerge(const std::uint8_t* data, std::size_t size);
std::string checkSettingsText(const std::uint8_t* data, std::size_t size);
std::string checkEditWords(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
  const char* name;  // also the folder of its kept crash inputs
  std::string (*check)(const std::uint8_t* data, std::size_t size);
};

const std::vector<FuzzTarget>& fuzzTargets();

}  // namespace pictavo::fuzz
