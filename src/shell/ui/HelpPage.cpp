#include "shell/ui/HelpPage.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "icofile/ui/FormControls.h"

namespace pictavo::ui {
namespace {

constexpr int kTextWidth = 560;
constexpr int kLongestPage = 480;
constexpr int kScreenRoom = 110;  // title bar, buttons and margins

// Taller pages scroll, so that they fit the screen (640 x 480 included).
int tallestTopics(const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  return screen ? std::min(kLongestPage, screen->availableGeometry().height() - kScreenRoom) : kLongestPage;
}

const char* pageName(int number) {
  static const char* names[] = {"Form5", "Form6", "Form7", "Form8"};
  return names[number - 1];
}

}  // namespace

HelpPage::HelpPage(const HelpWindows& windows, int number)
    : HelpWindow(windows.host().owner, pageName(number),
                 QString::fromStdString(helpPageText(number).caption), windows.pageAnchor()),
      windows_(windows),
      number_(number) {
  auto* layout = new QVBoxLayout(this);
  QWidget* topics = buildTopics();
  const int height = topics->layout()->heightForWidth(kTextWidth);
  const int tallest = tallestTopics(windows.host().owner);
  if (height > tallest) {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Topics"));
    scroll->setWidget(topics);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFixedSize(kTextWidth + scroll->verticalScrollBar()->sizeHint().width(), tallest);
    layout->addWidget(scroll);
  } else {
    topics->setParent(this);
    topics->setFixedWidth(kTextWidth);
    layout->addWidget(topics);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buildButtons(*buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* HelpPage::buildTopics() {
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 8, 0);
  QFont heading = dialogFont(font(), true);
  heading.setPixelSize(13);
  for (const HelpTopic& topic : helpPageText(number_).topics) {
    auto* title = new QLabel(QString::fromStdString(topic.title), content);
    title->setFont(heading);
    column->addWidget(title);
    auto* text = new QLabel(QString::fromStdString(topic.text), content);
    text->setWordWrap(true);
    column->addWidget(text);
    column->addSpacing(6);
  }
  column->addStretch();
  return content;
}

void HelpPage::buildButtons(QBoxLayout& row) {
  auto add = [&](const char* name, const char* caption, void (HelpPage::*handler)()) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(89, 25);
    connect(b, &QPushButton::clicked, this, handler);
    row.addWidget(b);
  };
  if (number_ > 1) add("Command1", "< Back", &HelpPage::Command1_Click);
  if (number_ < 4) add("Command2", "Next >", &HelpPage::Command2_Click);
  add("Command3", "Close", &HelpPage::Command3_Click);
}

void HelpPage::Command1_Click() {
  close();
  windows_.showPage(number_ - 1);
}

void HelpPage::Command2_Click() {
  close();
  windows_.showPage(number_ + 1);
}

void HelpPage::Command3_Click() { close(); }

}  // namespace pictavo::ui
