#pragma once
#include <cstddef>
#include <cstdint>

namespace pictavo {

// Readies a private copy of an EMF file for libemf2svg, in place:
// - blanks the description, which the library's bounds check counts several
//   times over, refusing small files that carry a long one;
// - replaces text the library would write into its SVG unescaped but that XML
//   cannot hold (control characters, U+FFFE/U+FFFF, lone surrogates, "]]>")
//   with U+FFFD, or '?' in 8-bit text, so the picture still draws; font names,
//   which it writes as attribute values, lose markup characters the same way.
// Damaged records are left alone for the library's own checks.
void prepareEmfForConversion(std::uint8_t* data, std::size_t size);

}  // namespace pictavo
