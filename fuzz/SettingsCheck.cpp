// The settings file as read at start and written at exit: whatever was read
// is written as one line that reads back to the same fields.
#include <algorithm>

#include "FuzzTargets.h"
#include "app/SettingsFile.h"

namespace pictavo::fuzz {
namespace {

// The writer keeps the file to one line: line breaks inside a value are dropped.
std::string oneLine(std::string value) {
  value.erase(std::remove_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == '\n'; }),
              value.end());
  return value;
}

}  // namespace

std::string checkSettingsText(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const SettingsFileReading read = parseSettingsText(text);
  if (read.fields.size() > kSettingsFieldCount) return "more than eight fields";
  // A problem may come after the seventh field; what was read before it is kept.
  if (read.ok() && read.fields.size() < kRequiredSettingsFields) return "accepted with fewer than seven fields";
  if (!read.ok()) return "";

  Settings settings;
  applySettingsFileFields(read.fields, settings);
  std::vector<std::string> expected = settingsFileFields(settings);
  for (std::size_t i = 0; i < kRequiredSettingsFields; ++i)
    if (expected[i] != read.fields[i]) return "field " + std::to_string(i + 1) + " not taken over";
  std::transform(expected.begin(), expected.end(), expected.begin(), oneLine);

  const std::string written = formatSettingsText(settingsFileFields(settings));
  if (written.size() < 2 || written.compare(written.size() - 2, 2, "\r\n") != 0 ||
      written.find_first_of("\r\n") != written.size() - 2)
    return "written file is not one line ending in CR LF";
  const SettingsFileReading again = parseSettingsText(written);
  if (!again.ok()) return "written file does not read back: " + again.error;
  if (again.fields != expected) return "fields changed by writing and reading back";
  if (formatSettingsText(again.fields) != written) return "second write differs";
  return "";
}

}  // namespace pictavo::fuzz
