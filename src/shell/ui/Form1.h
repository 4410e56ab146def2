#pragma once
#include <QDialog>
#include <functional>
#include <string>

#include "app/ProgramState.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"

class QCheckBox;
class QLineEdit;

namespace pictavo::ui {

// What the Options dialog needs of the program.
struct OptionsHost {
  ProgramState& state;
  MessageBoxes& messages;
  FileDialog& commonDialog1;  // the Browse buttons' dialog
  // WriteSettingsFile for these settings; false and why when it could not be written.
  std::function<bool(const Settings&, std::string* whyNot)> writeSettings;
  std::function<void()> associateIco;  // the "ico" button
};

// Form1, "Change Options": edits the user name, the two start folders and the
// several-icons flag; Apply or OK stores them and rewrites the settings file.
class Form1 : public QDialog {
  Q_OBJECT
 public:
  Form1(const OptionsHost& host, QWidget* parent);

 public slots:
  void Command1_Click();  // OK
  void Command2_Click();  // Cancel
  void Command3_Click();  // Apply
  void Command4_Click();  // Browse for the icon folder
  void Command5_Click();  // Browse for the picture folder
  void Command6_Click();  // make Pictavo the .ico editor

 private:
  void buildControls();
  void Form_Load();
  void browse(QLineEdit& folderBox, const char* filter);

  OptionsHost host_;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QCheckBox* check1_ = nullptr;
};

}  // namespace pictavo::ui
