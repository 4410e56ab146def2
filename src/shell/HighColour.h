#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace pictavo {

constexpr const char* kWin95IcoRegFileName = "win95ico.reg";

// The Windows command lines of the two buttons of "Enable High Color Icons".
// regedit -s "<InstallDir>win95ico.reg": a silent import of the shipped file.
std::string enableFullColourCommand(const std::string& installDir);
// The display control panel.
std::string displayControlPanelCommand();

// A desktop's own display settings program.
struct DisplaySettingsProgram {
  std::string program;
  std::vector<std::string> arguments;
  friend bool operator==(const DisplaySettingsProgram& a, const DisplaySettingsProgram& b) {
    return a.program == b.program && a.arguments == b.arguments;
  }
};

// The display settings of GNOME, KDE Plasma, Xfce or LXQt, whichever is installed
// (`installed` tells whether a program is on PATH); the running desktop
// (XDG_CURRENT_DESKTOP, names separated by ':') is preferred.
std::optional<DisplaySettingsProgram> findDisplaySettings(
    const std::string& currentDesktop, const std::function<bool(const std::string&)>& installed);

// One icon as the three sample pictures show it: the colours a 16-colour,
// a 256-colour and a 24-bit file would hold, by the same preparation as Save.
struct HighColourSamples {
  std::array<Colour, kCellCount> colours16{};
  std::array<Colour, kCellCount> colours256{};
  std::array<Colour, kCellCount> colours24{};
  std::array<std::int16_t, kCellCount> transparent{};
};
HighColourSamples highColourSamples(const Canvas& canvas);

}  // namespace pictavo
