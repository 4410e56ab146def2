#include "shell/IcoAssociation.h"

namespace pictavo {
namespace {

std::string quotedValue(const std::string& value) { return "\"" + value + "\""; }

}  // namespace

bool askToAssociateIco(MessageBoxes& boxes) {
  return boxes.show(kAssociateQuestion, kAssociateTitle, Buttons::YesNo) == Answer::Yes;
}

std::string doubledBackslashes(const std::string& path) {
  std::string doubled;
  for (char c : path) {
    doubled += c;
    if (c == '\\') doubled += '\\';
  }
  return doubled;
}

std::string icoAssociationRegText(const std::string& programPath) {
  const std::string openCommand = doubledBackslashes(programPath) + "\\\\pictav20.exe %1";
  const std::string lines[] = {
      "REGEDIT4",
      "",
      "[HKEY_CLASSES_ROOT\\icofile]",
      "@=" + quotedValue("Icon"),
      "",
      "[HKEY_CLASSES_ROOT\\icofile\\DefaultIcon]",
      "@=" + quotedValue("%1"),
      "",
      "[HKEY_CLASSES_ROOT\\icofile\\shell]",
      "",
      "[HKEY_CLASSES_ROOT\\icofile\\shell\\open]",
      "@=" + quotedValue(""),
      "",
      "[HKEY_CLASSES_ROOT\\icofile\\shell\\open\\command]",
      "@=" + quotedValue(openCommand),
      "",
      "[HKEY_CLASSES_ROOT\\.ico]",
      "@=" + quotedValue("icofile"),
      quotedValue("Content Type") + "=" + quotedValue("image/x-icon"),
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string regeditImportCommand(const std::string& programPath) {
  return "regedit -s \"" + programPath + "\\" + kIcoRegFileName + "\"";
}

}  // namespace pictavo
