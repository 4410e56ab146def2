#include "support/IconFileFixtures.h"

#include <QDir>
#include <QLabel>
#include <fstream>
#include <iterator>

#include "icofile/IcoWriter.h"

namespace pictavo::testing {
namespace {

QString scratchTemplate() {
  const QByteArray base = qgetenv("PICTAVO_TEST_TMP");
  const QString root = base.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(base);
  QDir().mkpath(root);
  return root + QStringLiteral("/open-save-XXXXXX");
}

constexpr std::size_t kBitCountAt = 22 + 14;  // in a file the writer made

}  // namespace

ScratchFolder::ScratchFolder() : dir_(scratchTemplate()) {}

std::string ScratchFolder::path(const std::string& name) const {
  return dir_.filePath(QString::fromStdString(name)).toStdString();
}

std::string ScratchFolder::folder() const { return dir_.path().toStdString(); }

Canvas numberedCanvas(int k) {
  Canvas canvas;
  const Colour pattern[] = {rgb(200, 30, 30), rgb(30, 160, 40), rgb(20, 40, 220), rgb(250, 250, 0)};
  for (int row = 0; row < kGridSize; ++row)
    for (int column = 0; column < kGridSize; ++column) {
      Cell& cell = canvas.at(column, row);
      cell.transparent = row > 24 && column > 24 ? 1 : 0;
      cell.colour = cell.transparent ? kWhite : pattern[(row / 8 + column / 8 + k) % 4];
    }
  canvas.cell(1) = Cell{rgb(k % 256, k / 256, 99), 0};
  return canvas;
}

int numberOf(const Canvas& canvas) {
  const Colour c = canvas.cell(1).colour;
  return redOf(c) + 256 * greenOf(c);
}

void writeIconSet(const std::string& path, int count, const std::set<int>& unreadable) {
  std::vector<std::uint8_t> all;
  for (int k = 0; k < count; ++k) {
    std::vector<std::uint8_t> icon = encodeIcon24(numberedCanvas(k));
    if (unreadable.count(k)) icon[kBitCountAt] = 16;
    all.insert(all.end(), icon.begin(), icon.end());
  }
  writeBytes(path, all);
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> clippedLabels(const QWidget& form) {
  std::vector<std::string> clipped;
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    if (label->wordWrap()) continue;
    if (label->fontMetrics().horizontalAdvance(label->text()) > label->width())
      clipped.push_back(label->objectName().toStdString());
  }
  return clipped;
}

std::vector<std::string> FileCommandRig::titles() const {
  std::vector<std::string> out;
  for (const auto& s : boxes.shown()) out.push_back(s.title);
  return out;
}

std::vector<std::string> FileCommandRig::texts() const {
  std::vector<std::string> out;
  for (const auto& s : boxes.shown()) out.push_back(s.text);
  return out;
}

}  // namespace pictavo::testing
