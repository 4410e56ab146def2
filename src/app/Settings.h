#pragma once

namespace pictavo {

// Program-wide settings loaded at start.
struct Settings {};

}  // namespace pictavo
