#include "shell/HighColour.h"

#include <memory>
#include <set>
#include <sstream>

#include "icofile/ColourReduction.h"

namespace pictavo {
namespace {

struct Candidate {
  const char* desktops;  // XDG_CURRENT_DESKTOP names, ':'-separated
  DisplaySettingsProgram command;
};

const std::vector<Candidate>& candidates() {
  static const std::vector<Candidate> list = {
      {"GNOME:Unity:Budgie", {"gnome-control-center", {"display"}}},
      {"KDE", {"systemsettings", {"kcm_kscreen"}}},
      {"KDE", {"kcmshell6", {"kcm_kscreen"}}},
      {"KDE", {"kcmshell5", {"kcm_kscreen"}}},
      {"XFCE", {"xfce4-display-settings", {}}},
      {"LXQt", {"lxqt-config-monitor", {}}},
  };
  return list;
}

std::set<std::string> splitNames(const std::string& names) {
  std::set<std::string> out;
  std::stringstream in(names);
  for (std::string name; std::getline(in, name, ':');)
    if (!name.empty()) out.insert(name);
  return out;
}

bool runsOn(const Candidate& candidate, const std::set<std::string>& desktops) {
  for (const std::string& name : splitNames(candidate.desktops))
    if (desktops.count(name)) return true;
  return false;
}

int distinctColours(const Canvas& canvas) {
  std::set<Colour> seen;
  for (const Cell& cell : canvas.cells()) seen.insert(cell.colour);
  return static_cast<int>(seen.size());
}

}  // namespace

std::string enableFullColourCommand(const std::string& installDir) {
  return "regedit -s \"" + installDir + kWin95IcoRegFileName + "\"";
}

std::string displayControlPanelCommand() { return "control desk.cpl"; }

std::optional<DisplaySettingsProgram> findDisplaySettings(
    const std::string& currentDesktop, const std::function<bool(const std::string&)>& installed) {
  const std::set<std::string> desktops = splitNames(currentDesktop);
  for (bool ownDesktop : {true, false})
    for (const Candidate& c : candidates())
      if (runsOn(c, desktops) == ownDesktop && installed(c.command.program)) return c.command;
  return std::nullopt;
}

HighColourSamples highColourSamples(const Canvas& canvas) {
  HighColourSamples samples;
  auto ico = std::make_unique<IcoState>();  // the save tables stay as Save left them
  copySourceColours(*ico, canvas);
  prepare16(*ico, canvas);
  prepare256(*ico, canvas, distinctColours(canvas));
  for (int i = 0; i < kCellCount; ++i) {
    const Cell& cell = canvas.cells()[i];
    samples.colours16[i] = ico->colors16[i];
    samples.colours256[i] = ico->colors256[i];
    samples.colours24[i] = cell.colour;
    samples.transparent[i] = cell.transparent;
  }
  return samples;
}

}  // namespace pictavo
