#pragma once

namespace pictavo {

// State of the editing tools that lives as long as the main window.
struct ToolState {};

}  // namespace pictavo
