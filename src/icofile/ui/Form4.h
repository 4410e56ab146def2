#pragma once
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "icofile/IconImages.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace pictavo::ui {

class IconPicture;
class OutlineShape;

// Form4, "Choose Icon": the icons of the file just scanned, 21 to a page, for
// the user to pick one. The boxes are objects "Picture1_0" to "Picture1_20"
// (also carrying their number in the property "index"), three rows of seven.
// The window only reads the found-icons list (or, for a file without 32 x 32
// icons, the images given to showResampledImages); what a choice does is up
// to whoever listens to its signals.
class Form4 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kBoxes = 21;
  static constexpr int kColumns = 7;
  static constexpr int kScrollStep = 14;  // icons a scroll step moves on

  explicit Form4(ProgramState& state, QWidget* parent = nullptr);

  // ShowIconChooser after the window is shown: the scroll bar and the first page.
  void showFirstPage();
  // Instead of the found-icons list, before showFirstPage: the images of
  // `path` (none of them 32 x 32 icons the scan finds), each drawn resampled
  // to 32 x 32 with its size in the box's tooltip, under a heading naming the sizes.
  void showResampledImages(const std::string& path, std::vector<IconImage> images);
  // "16 × 16 images — resampled to 32 × 32"; with several sizes, the smallest and the largest.
  static QString resampledHeading(const std::vector<IconImage>& images);
  // VScroll1's maximum for this many icons: the first value whose page shows the last one.
  static int scrollMaximum(int count);

  IconPicture* box(int b) const { return picture1_[static_cast<std::size_t>(b)]; }
  QScrollBar* scrollBar() const { return vScroll1_; }
  QWidget* selectionFrame() const;
  QPushButton* okButton() const { return command3_; }
  bool hasSelection() const { return selected_; }

 signals:
  void iconChosen(int index);  // OK or a double-click on a box that holds an icon
  void browseRequested();      // Browse or Cancel: the file dialog again

 public slots:
  void Form_Activate();
  void Picture1_Click(int index);
  void Picture1_DblClick(int index);
  void VScroll1_Change(int value);
  void Command1_Click();  // Browse
  void Command2_Click();  // Cancel
  void Command3_Click();  // OK
  void placeSelectionFrame(int b);

 protected:
  bool event(QEvent* event) override;

 private:
  void buildControls();
  void showPage(int firstShown);
  void drawIcon(int index, IconPicture& box);
  bool holdsIcon(int index) const;
  int iconCount() const;

  ProgramState& state_;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  std::array<IconPicture*, kBoxes> picture1_{};
  OutlineShape* shape2_ = nullptr;
  QScrollBar* vScroll1_ = nullptr;
  QPushButton* command3_ = nullptr;
  bool selected_ = false;  // a box holding an icon has been clicked in this window
  bool resampled_ = false;  // showing images_ rather than the found-icons list
  std::string imagesPath_;
  std::vector<IconImage> images_;
};

}  // namespace pictavo::ui
