#pragma once
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

#include "app/ProgramState.h"

class QCheckBox;
class QLabel;
class QToolButton;

namespace pictavo::ui {

class IconPicture;

// SaveForm, "Choose a save type": the icon as it is and as it would look in 16
// and 256 colours, with its colour count; a button per depth puts the reduced
// colours on the canvas (one undo step) and asks for the file name. Everything
// is worked out again whenever the window is shown or becomes active, since the
// canvas can be edited while it is open. The previews can be looked at over
// light, dark or checkerboard backdrops instead of the window's own colour.
class SaveForm : public QWidget {
  Q_OBJECT
 public:
  enum class Backdrop { Window, Light, Dark, Checkerboard };

  // `canvasChanged` repaints the main window after the colours are replaced.
  SaveForm(ProgramState& state, std::function<void()> canvasChanged, QWidget* parent = nullptr);

  // The chooser's computation: count, previews, 256-colour quality.
  void Form_Activate();

  IconPicture* picture(int n) const;  // Picture1 (16), Picture2 (256), Picture3 (as is)
  QLabel* countLabel() const { return label2_; }
  QLabel* qualityLabel() const { return label8_; }
  QCheckBox* defaultCheck() const { return check1_; }
  QToolButton* backdropButton(Backdrop backdrop) const { return backdropButtons_[int(backdrop)]; }
  Backdrop backdrop() const { return backdrop_; }
  void setBackdrop(Backdrop backdrop);

 signals:
  // A depth was chosen and prepared; SaveAs continues the save.
  void saveRequested();
  // The window has closed, by a choice or without one.
  void closed();

 public slots:
  void Command3_Click();  // 16-color
  void Command4_Click();  // 256-color
  void Command5_Click();  // 24-bit color
  void Command1_Click();  // Cancel

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildBackdropToggle();
  void showPreviews();
  void chooseReducedDepth(int depth);
  void chooseDepth(int depth);

  ProgramState& state_;
  std::function<void()> canvasChanged_;
  QLabel* label2_ = nullptr;
  QLabel* label8_ = nullptr;
  IconPicture* picture1_ = nullptr;
  IconPicture* picture2_ = nullptr;
  IconPicture* picture3_ = nullptr;
  QCheckBox* check1_ = nullptr;
  Canvas prepared_;  // the canvas the save tables were prepared from
  std::array<QToolButton*, 4> backdropButtons_{};
  Backdrop backdrop_ = Backdrop::Window;
  // The three previews before a backdrop goes under their transparent cells.
  std::array<QImage, 3> previews_;  // as is, 16 colours, 256 colours
  std::array<std::int16_t, kCellCount> transparent_{};
};

}  // namespace pictavo::ui
