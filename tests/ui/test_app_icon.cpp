// The program's icon as the windows get it from the resources: every size there,
// and the renderings made from the very icon file the editor saved.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>

#include "app/ui/AppIcon.h"
#include "icofile/IconDecoder.h"

class AppIconTest : public QObject {
  Q_OBJECT

 private slots:
  // Each size once: the display gets every one with every window.
  void everyWindowSizeIsThere() {
    const QIcon icon = pictavo::ui::pictavoIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
  }

  // Decoded by the editor's own reader, as Open would put it on the canvas.
  void theActualSizeRenderingIsTheSavedIcon() {
    QFile file(pictavo::ui::pictavoIcoResource());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 3262);  // one 24-bit image
    pictavo::IcoState ico;
    const auto* image = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + 22;
    QVERIFY(pictavo::decodeIconImage(image, std::size_t(bytes.size() - 22), ico) ==
            pictavo::DecodeStatus::Decoded);
    const QImage png = QImage(QStringLiteral(":/pictavo/pictavo-32.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(32, 32));
    int opaque = 0;
    for (int cell = 0; cell < pictavo::kCellCount; ++cell) {
      const QRgb p = png.pixel(cell % 32, cell / 32);
      const bool transparent = ico.tempTransparent[cell] != 0;
      QCOMPARE(qAlpha(p), transparent ? 0 : 255);
      if (transparent) continue;
      ++opaque;
      const pictavo::Colour c = ico.tempColors[cell];
      QCOMPARE(qRgb(qRed(p), qGreen(p), qBlue(p)), qRgb(pictavo::redOf(c), pictavo::greenOf(c), pictavo::blueOf(c)));
    }
    QVERIFY(opaque > 300);
  }
};

QTEST_MAIN(AppIconTest)
#include "test_app_icon.moc"
