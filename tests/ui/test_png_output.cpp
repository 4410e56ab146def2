// PNG output of pictavo-cli (edit, convert, thumbnail) read back by Qt's own image reader.
#include <QImage>
#include <QtTest>

#include "picture/io/PngOutput.h"
#include "support/IconFileFixtures.h"

using namespace pictavo;
using namespace pictavo::testing;

class PngOutputTest : public QObject {
  Q_OBJECT

 private slots:
  void canvasReadsBackWithAlpha() {
    ScratchFolder tmp;
    Canvas canvas = numberedCanvas(7);
    canvas.at(31, 31) = Cell{rgb(10, 20, 30), 0};
    canvas.at(30, 31) = Cell{rgb(10, 20, 30), 1};
    const std::string path = tmp.path("icon.png");
    QCOMPARE(writePng(canvasImage(canvas), path), std::string());
    const QImage back(QString::fromStdString(path));
    QVERIFY(back.size() == QSize(32, 32) && back.hasAlphaChannel());
    for (int row = 0; row < kGridSize; ++row)
      for (int column = 0; column < kGridSize; ++column) {
        const Cell& c = canvas.at(column, row);
        const QColor want = c.transparent ? QColor(0, 0, 0, 0) : QColor(redOf(c.colour), greenOf(c.colour), blueOf(c.colour));
        QCOMPARE(back.pixelColor(column, row), want);
      }
  }

  void thumbnailsKeepCellsSquare() {
    Canvas canvas;
    canvas.at(1, 0) = Cell{rgb(255, 0, 0), 0};
    const QImage icon = canvasImage(canvas);
    const struct {
      int size, side;
    } sizes[] = {{32, 32}, {128, 128}, {100, 96}, {31, 31}, {16, 16}, {1, 1}};
    for (const auto& s : sizes) QCOMPARE(thumbnailImage(icon, s.size).size(), QSize(s.side, s.side));
    const QImage large = thumbnailImage(icon, 100);  // three pixels a cell, no blending
    QCOMPARE(large.pixelColor(2, 0).alpha(), 0);
    QCOMPARE(large.pixelColor(3, 2), QColor(255, 0, 0));
    QCOMPARE(large.pixelColor(5, 2), QColor(255, 0, 0));
    QCOMPARE(large.pixelColor(6, 0).alpha(), 0);
  }

  void unwritablePathLeavesNothing() {
    ScratchFolder tmp;
    const std::string path = tmp.path("missing/icon.png");
    const std::string message = writePng(canvasImage(Canvas()), path);
    QVERIFY(message.find(path) != std::string::npos);
    QCOMPARE(QDir(QString::fromStdString(tmp.folder())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
  }
};

QTEST_MAIN(PngOutputTest)
#include "test_png_output.moc"
