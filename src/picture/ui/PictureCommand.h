#pragma once
#include <QImage>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "icofile/ui/FileCommandHost.h"
#include "picture/InputPause.h"
#include "picture/PictureSampling.h"

namespace pictavo::ui {

class PictureForm;

constexpr const char* kPictureFilter =
    "Convertible Pictures (*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle)|*.jpg;*.bmp;*.ico;*.gif;*.emf;*.wmf;*.rle";
constexpr const char* kInvalidPictureText = "      Invalid Picture Format";
constexpr const char* kInvalidPictureTitle = "Invalid Picture Format";

// The Open Image command: picks a picture in CommonDialog1, shows it in the
// picture window and turns the selection made there into the icon.
class PictureCommand {
 public:
  // host.dialog is CommonDialog1, not the icon dialog.
  explicit PictureCommand(const FileCommandHost& host);
  ~PictureCommand();
  PictureCommand(const PictureCommand&) = delete;
  PictureCommand& operator=(const PictureCommand&) = delete;

  void OpenPicture();
  // OpenPicture past its dialog: a picture file dropped on a window.
  void openPictureFile(const std::string& path);
  // A picture from memory (the system clipboard) in the picture window; it has no path.
  void showImage(const QImage& image);

  PictureForm* pictureForm() const;
  const std::string& picturePath() const { return picturePath_; }
  const std::string& lastPictureFolder() const { return lastPictureFolder_; }

  // Tests run the window and the pause on their own time.
  void setClock(Clock clock) { clock_ = std::move(clock); }
  void setPauseYield(std::function<void()> yield) { pauseYield_ = std::move(yield); }

 private:
  void openPicked(const std::string& path);
  void showInWindow(const QImage& picture);
  PictureForm* reusableForm();
  void SamplePicture(const SelectionRect& rect);

  FileCommandHost host_;
  QPointer<PictureForm> form_;
  Clock clock_;
  std::function<void()> pauseYield_;
  std::string picturePath_;
  std::string lastPictureFolder_;
  QObject lifetime_;  // ends the pause's timer with the command
};

}  // namespace pictavo::ui
