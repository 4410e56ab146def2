#pragma once
#include <optional>
#include <string>

namespace pictavo {

// "pictavo 2.0": the program's name and the project's version.
std::string versionLine();

// The arguments after the program's name joined with single spaces: the
// editor takes the whole string as the name of one icon file.
std::string commandLineOf(int argc, const char* const* argv);

// What the editor prints for a command line that is exactly one of its
// options (--help, -h, --version); nullopt for any other, which names a file.
std::optional<std::string> editorOptionReply(const std::string& commandLine);

}  // namespace pictavo
