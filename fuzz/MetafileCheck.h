#pragma once
#include "FuzzTargets.h"

namespace pictavo::fuzz {

// The metafile renderer's library call on any bytes, in-process. Needs a
// QGuiApplication (fonts); built only where Qt and the metafile libraries are.
std::string checkMetafile(const std::uint8_t* data, std::size_t size);
FuzzTarget metafileFuzzTarget();

}  // namespace pictavo::fuzz
