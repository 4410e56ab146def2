#pragma once

namespace pictavo {

// The icon reader's and writer's program-wide tables.
struct IcoState {};

}  // namespace pictavo
