#pragma once
#include <cstdint>
#include <vector>

namespace pictavo::fuzz {

// Well-formed files the image reader and the merge start from: icon and
// cursor files of several BMP images (sizes 8 to 64, every depth read) and
// PNG entries, and small PE executables holding the same images as RT_ICON
// resources, with and without a language level.
std::vector<std::vector<std::uint8_t>> iconFileSeeds();

}  // namespace pictavo::fuzz
