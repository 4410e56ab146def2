#include "shell/ui/Form1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "icofile/ui/FileCommandHost.h"
#include "icofile/ui/FormControls.h"
#include "platform/FolderPaths.h"
#include "shell/Options.h"

namespace pictavo::ui {

Form1::Form1(const OptionsHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Change Options"));
  setFont(dialogFont(font()));
  setFixedSize(409, 249);
  buildControls();
  Form_Load();
}

void Form1::buildControls() {
  auto textBox = [this](const char* name, const QRect& where) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(where);
    return box;
  };
  placeLabel(this, "Label1", QStringLiteral("User Name:"), QRect(16, 16, 129, 17));
  text1_ = textBox("Text1", QRect(152, 12, 241, 23));
  placeLabel(this, "Label2", QStringLiteral("Initial Icon Directory:"), QRect(16, 48, 241, 17));
  text2_ = textBox("Text2", QRect(16, 66, 297, 23));
  placeLabel(this, "Label3", QStringLiteral("Initial Picture Directory:"), QRect(16, 100, 241, 17));
  text3_ = textBox("Text3", QRect(16, 118, 297, 23));
  connect(placeButton(this, "Command4", QStringLiteral("Browse"), QRect(320, 65, 73, 25)),
          &QPushButton::clicked, this, &Form1::Command4_Click);
  connect(placeButton(this, "Command5", QStringLiteral("Browse"), QRect(320, 117, 73, 25)),
          &QPushButton::clicked, this, &Form1::Command5_Click);

  check1_ = new QCheckBox(QStringLiteral("Allow saving more than one icon into a file."), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setGeometry(16, 150, 377, 21);
  placeLabel(this, "Label4", QStringLiteral("Click here to make this your default editor for ico files"),
             QRect(16, 182, 329, 17));
  connect(placeButton(this, "Command6", QStringLiteral("ico"), QRect(352, 178, 41, 25)),
          &QPushButton::clicked, this, &Form1::Command6_Click);

  auto* ok = placeButton(this, "Command1", QStringLiteral("OK"), QRect(112, 212, 89, 25));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(placeButton(this, "Command2", QStringLiteral("Cancel"), QRect(208, 212, 89, 25)),
          &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(placeButton(this, "Command3", QStringLiteral("Apply"), QRect(304, 212, 89, 25)),
          &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Form_Load() {
  const OptionsEntries entries = optionsEntries(host_.state.settings);
  text1_->setText(QString::fromStdString(entries.user));
  text2_->setText(QString::fromStdString(entries.iconDir));
  text3_->setText(QString::fromStdString(entries.pictureDir));
  check1_->setChecked(entries.multiIconFile);
}

void Form1::Command3_Click() {
  const OptionsEntries entries{text1_->text().toStdString(), text2_->text().toStdString(),
                               text3_->text().toStdString(), check1_->isChecked()};
  Settings& settings = host_.state.settings;
  applyOptionsEntries(entries, settings);
  std::string whyNot;
  if (host_.writeSettings && !host_.writeSettings(settings, &whyNot))
    host_.messages.show(settingsNotSavedMessage(whyNot), "", Buttons::Ok, MessageIcon::Warning);
}

void Form1::Command1_Click() {
  Command3_Click();
  accept();
}

void Form1::Command2_Click() { reject(); }

void Form1::Command4_Click() { browse(*text2_, kIconBrowseFilter); }

void Form1::Command5_Click() { browse(*text3_, kPictureBrowseFilter); }

// The user picks any file inside the wanted folder; the next Open dialog starts
// there too, or, after a cancelled Browse, in the icon folder setting.
void Form1::browse(QLineEdit& folderBox, const char* filter) {
  std::string& lastIconDir = host_.state.ico.lastIconDir;
  lastIconDir.clear();
  const BusyWhile busy(host_.state);
  FileDialog& dialog = host_.commonDialog1;
  dialog.setInitDir(folderBox.text().toStdString());
  dialog.setFileName({});
  dialog.setFilter(filter);
  const std::string chosen = dialog.showOpen();
  if (chosen.empty()) return;
  lastIconDir = folderOfPickedFile(chosen);
  folderBox.setText(QString::fromStdString(lastIconDir));
}

void Form1::Command6_Click() {
  if (host_.associateIco) host_.associateIco();
}

}  // namespace pictavo::ui
