#include "support/IconFileFixtures.h"

#include <QDir>
#include <fstream>
#include <iterator>

#include "icofile/IcoWriter.h"

namespace pictavo::testing {

ScratchFolder::ScratchFolder() : dir([] {
  const QString root = qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath());
  QDir().mkpath(root);
  return root + QStringLiteral("/scratch-XXXXXX");
}()) {}

Canvas numberedCanvas(int k) {
  const Colour pattern[] = {rgb(200, 30, 30), rgb(30, 160, 40), rgb(20, 40, 220), rgb(250, 250, 0)};
  Canvas canvas;
  for (int row = 0; row < kGridSize; ++row)
    for (int column = 0; column < kGridSize; ++column)
      canvas.at(column, row) = row > 24 && column > 24 ? Cell{kWhite, 1}
                                                       : Cell{pattern[(row / 8 + column / 8 + k) % 4], 0};
  canvas.cell(1) = Cell{rgb(k % 256, k / 256, 99), 0};
  return canvas;
}

int numberOf(const Canvas& canvas) {
  return redOf(canvas.cell(1).colour) + 256 * greenOf(canvas.cell(1).colour);
}

Canvas whiteUnderTransparent(Canvas canvas) {
  for (Cell& cell : canvas.cells())
    if (cell.transparent) cell.colour = kWhite;
  return canvas;
}

void writeIconSet(const std::string& path, int count, const std::set<int>& unreadable) {
  std::string all;
  for (int k = 0; k < count; ++k) {
    std::vector<std::uint8_t> icon = encodeIcon24(numberedCanvas(k));
    if (unreadable.count(k)) icon[22 + 14] = 16;  // the image header's bit count
    all.append(icon.begin(), icon.end());
  }
  writeFile(path, all);
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> clippedLabels(const QWidget& form) {
  std::vector<std::string> clipped;
  for (const QLabel* label : form.findChildren<QLabel*>())
    if (!label->wordWrap() && label->fontMetrics().horizontalAdvance(label->text()) > label->width())
      clipped.push_back(label->objectName().toStdString());
  return clipped;
}

void screenshot(QWidget& window, const char* name) {
  const QString dir =
      qEnvironmentVariable("PICTAVO_SCREENSHOTS", qEnvironmentVariable("PICTAVO_TEST_TMP", QDir::tempPath()));
  QVERIFY(QDir().mkpath(dir) && window.grab().save(dir + QLatin1Char('/') + QLatin1String(name)));
  QCOMPARE(clippedLabels(window), std::vector<std::string>{});
}

}  // namespace pictavo::testing
