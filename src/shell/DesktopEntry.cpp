#include "shell/DesktopEntry.h"

namespace pictavo {
namespace {

bool needsQuoting(char c) {
  static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
  return reserved.find(c) != std::string::npos || c == '\r';
}

// Inside double quotes, these four must be backslash-escaped.
bool escapedWhenQuoted(char c) { return c == '"' || c == '`' || c == '$' || c == '\\'; }

// The string-value escapes, applied to the whole value after the quoting rules.
std::string escapeStringValue(const std::string& value) {
  std::string out;
  for (char c : value) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

std::string withoutExecLine(const std::string& entry) {
  const std::string::size_type start = entry.find("\nExec=");
  if (start == std::string::npos) return entry;
  const std::string::size_type end = entry.find('\n', start + 1);
  return entry.substr(0, start) + (end == std::string::npos ? "\n" : entry.substr(end));
}

bool isAbsolute(const std::string& folder) { return !folder.empty() && folder[0] == '/'; }

std::vector<std::string> absoluteFolders(const std::string& list) {
  std::vector<std::string> folders;
  std::string::size_type start = 0;
  while (start <= list.size()) {
    std::string::size_type end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    const std::string folder = list.substr(start, end - start);
    if (isAbsolute(folder)) folders.push_back(folder);
    start = end + 1;
  }
  return folders;
}

}  // namespace

std::vector<std::string> icoMimeTypes() { return {"image/vnd.microsoft.icon", "image/x-icon"}; }

std::string desktopExecProgram(const std::string& programFile) {
  bool quote = false;
  for (char c : programFile) quote = quote || needsQuoting(c);
  std::string word;
  for (char c : programFile) {
    if (c == '%') word += '%';  // a lone % would start a field code
    if (quote && escapedWhenQuoted(c)) word += '\\';
    word += c;
  }
  return escapeStringValue(quote ? "\"" + word + "\"" : word);
}

std::string pictavoDesktopEntry(const std::string& programFile) {
  std::string mimeTypes;
  for (const std::string& type : icoMimeTypes()) mimeTypes += type + ";";
  // The same entry as the installed one but for Exec, so that it can stand in for it.
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Pictavo\n"
         "GenericName=Icon Editor\n"
         "Comment=Draw and edit 32 x 32 Windows icons\n"
         "Icon=pictavo\n"
         "Exec=" + desktopExecProgram(programFile) + " %f\n"
         "MimeType=" + mimeTypes + "\n"
         "Categories=Graphics;2DGraphics;RasterGraphics;\n"
         "Keywords=icon;ico;favicon;pixel;editor;\n"
         "Terminal=false\n";
}

bool isOwnDesktopEntry(const std::string& text) {
  return text.find("\nExec=") != std::string::npos &&
         withoutExecLine(text) == withoutExecLine(pictavoDesktopEntry(""));
}

std::string xdgDataHome(const std::string& dataHome, const std::string& home) {
  if (isAbsolute(dataHome)) return dataHome;
  return isAbsolute(home) ? home + "/.local/share" : std::string();
}

std::vector<std::string> xdgDataFolders(const std::string& dataHome, const std::string& dataDirs,
                                        const std::string& home) {
  std::vector<std::string> folders;
  const std::string user = xdgDataHome(dataHome, home);
  if (!user.empty()) folders.push_back(user);
  std::vector<std::string> system = absoluteFolders(dataDirs);
  if (system.empty()) system = {"/usr/local/share", "/usr/share"};
  folders.insert(folders.end(), system.begin(), system.end());
  return folders;
}

std::vector<std::string> xdgMimeDefaultArguments() {
  std::vector<std::string> arguments{"default", kDesktopFileName};
  for (const std::string& type : icoMimeTypes()) arguments.push_back(type);
  return arguments;
}

}  // namespace pictavo
