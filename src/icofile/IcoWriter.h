#pragma once
#include <cstdint>
#include <vector>

#include "app/ProgramState.h"
#include "icofile/IcoResult.h"
#include "platform/AtomicFile.h"

namespace pictavo {

// BuildPalette: depth 16 puts kPalette16 into icoPalette. Depth 256 builds it
// from colors256 in order of first appearance and fills index256; colours
// beyond the 256th take the nearest entry (lowest index on ties). Other depths
// do nothing.
void buildPalette(IcoState& ico, int depth);

// The complete file images (766, 2238 and 3262 bytes). The 16-colour one reads
// index16, the 256-colour one colors256 (both prepared by the colour
// preparation); all take the mask from the canvas's transparent flags.
std::vector<std::uint8_t> encodeIcon16(IcoState& ico, const Canvas& canvas);
std::vector<std::uint8_t> encodeIcon256(IcoState& ico, const Canvas& canvas);
std::vector<std::uint8_t> encodeIcon24(const Canvas& canvas);

// WriteIcon16/256/24: replace the file state.ico.savePath atomically.
IcoResult writeIcon16(ProgramState& state, Durability durability = Durability::Immediate);
IcoResult writeIcon256(ProgramState& state, Durability durability = Durability::Immediate);
IcoResult writeIcon24(ProgramState& state, Durability durability = Durability::Immediate);

}  // namespace pictavo
