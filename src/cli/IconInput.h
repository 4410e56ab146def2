#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/ProgramState.h"
#include "icofile/IconScanner.h"
#include "platform/AtomicFile.h"

namespace pictavo::cli {

// Scans `file` for icons as Open does; throws CliError when unreadable (2) or empty (3).
ScanOutcome scanOrFail(ProgramState& state, const std::string& file);

// Where found icon k's header starts in the file.
std::int64_t headerPosition(const IcoState& ico, int k);

// The header's bit count, two bytes after the 14 that were matched; 0 past the end.
int bitCountAt(std::FILE* in, std::int64_t headerOffset);

// Scans `file` and puts icon `index` on the canvas as Open would.
void loadIconOrFail(ProgramState& state, const std::string& file, int index);

// Writes the canvas through the Save As path of the given depth.
void saveOrFail(ProgramState& state, const std::string& out, int depth,
                Durability durability = Durability::Immediate);

}  // namespace pictavo::cli
