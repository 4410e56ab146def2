#pragma once
#include <string>

namespace pictavo {

// A standard open/save file dialog that keeps its properties between uses, so
// a name left by one caller is proposed to the next unless that caller clears it.
// The filter is one entry written "Description|pattern;pattern".
class FileDialog {
 public:
  virtual ~FileDialog() = default;

  const std::string& fileName() const { return fileName_; }
  const std::string& initDir() const { return initDir_; }
  const std::string& filter() const { return filter_; }
  void setFileName(std::string name) { fileName_ = std::move(name); }
  void setInitDir(std::string folder) { initDir_ = std::move(folder); }
  void setFilter(std::string filter) { filter_ = std::move(filter); }

  // Both leave the full path chosen in fileName(), or an empty name when the
  // user cancelled, and return it.
  std::string showOpen() { return fileName_ = run(Mode::Open); }
  std::string showSave() { return fileName_ = run(Mode::Save); }

 protected:
  enum class Mode { Open, Save };
  // Shows the dialog with the current properties; the path chosen or "".
  virtual std::string run(Mode mode) = 0;

 private:
  std::string fileName_;
  std::string initDir_;
  std::string filter_;
};

}  // namespace pictavo
