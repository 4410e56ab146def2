#include "shell/ui/Form9.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "icofile/ui/FormControls.h"
#include "shell/ui/LinkLabel.h"

namespace pictavo::ui {
namespace {

QLabel* titleLabel(const char* name, const QString& text, int pixels, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont f = dialogFont(parent->font(), true);
  f.setPixelSize(pixels);
  label->setFont(f);
  return label;
}

}  // namespace

Form9::Form9(const HelpWindows& windows)
    : HelpWindow(windows.host().owner, "Form9", QStringLiteral("Help Main Menu")), windows_(windows) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(titleLabel("lblTitle", QStringLiteral("Pictavo"), 22, this));
  layout->addWidget(titleLabel("lblVersion", QStringLiteral("Version 2.0"), 12, this));
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line);

  const std::vector<HelpLink>& all = helpMenuLinks();
  for (std::size_t i = 0; i < all.size(); ++i) links_.push_back(addLink(all[i], int(i) + 1));

  // Editor Tools heads a column per topic page; the guides and extras follow.
  layout->addWidget(links_[0]);
  auto* tools = new QGridLayout;
  tools->setHorizontalSpacing(24);
  tools->setContentsMargins(16, 0, 0, 0);
  int row[4] = {0, 0, 0, 0};
  for (std::size_t i = 3; i < 24; ++i) {
    const int page = static_cast<int>(all[i].target) - 1;
    tools->addWidget(links_[i], row[page]++, page);
  }
  layout->addLayout(tools);
  layout->addSpacing(10);
  for (std::size_t i : {1, 2, 24, 25}) layout->addWidget(links_[i]);

  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setFixedSize(89, 25);
  connect(close, &QPushButton::clicked, this, &Form9::Command1_Click);
  layout->addWidget(close, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

LinkLabel* Form9::addLink(const HelpLink& link, int index) {
  auto* label = new LinkLabel(QString::fromStdString(link.label), this);
  label->setObjectName(QStringLiteral("Label%1").arg(index));
  const HelpTarget target = link.target;
  connect(label, &LinkLabel::clicked, this, [this, label, target] { Label_Click(label, target); });
  return label;
}

LinkLabel* Form9::link(const QString& text) const {
  for (LinkLabel* l : links_)
    if (l->text() == text) return l;
  return nullptr;
}

void Form9::Label_Click(LinkLabel* label, HelpTarget target) {
  label->markVisited();
  windows_.show(target);
}

void Form9::Command1_Click() {
  windows_.closePages();
  close();
}

}  // namespace pictavo::ui
