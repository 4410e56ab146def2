// Open and Save with icon files of other sizes and several images: real Debian favicons and icons
// (tests/data/icons/README says where each came from) and files cut from them, read back with Pillow and icotool.
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <set>

#include "icofile/IconDecoder.h"
#include "icofile/IconSaving.h"
#include "picture/PictureConversion.h"
#include "support/MainWindowHarness.h"
#include "tools/Commands.h"

using namespace pictavo;
using namespace pictavo::testing;
using ui::Form4;

namespace {

std::string realIcon(const char* name) {
  return qEnvironmentVariable("PICTAVO_TEST_ICONS").toStdString() + "/" + name;
}

bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(60000)) return false;
  if (out) *out = p.readAllStandardOutput();
  return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool haveReaders() {
  return run(QStringLiteral("icotool"), {QStringLiteral("--version")}) &&
         run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import PIL")});
}

struct Entry {
  std::uint32_t offset, size;
  std::string data;
  bool operator<(const Entry& o) const { return offset < o.offset; }
};

std::uint32_t le(const std::string& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
  return v;
}

// The directory of an .ico, read by hand, in file order of the images.
std::vector<Entry> entriesOf(const std::string& file) {
  const std::string b = readFile(file);
  std::vector<Entry> entries;
  for (std::uint32_t i = 0; b.size() >= 6 && i < le(b, 4, 2); ++i) {
    const std::size_t at = 6 + 16 * i;
    entries.push_back({le(b, at + 12, 4), le(b, at + 8, 4), b.substr(le(b, at + 12, 4), le(b, at + 8, 4))});
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

// An .ico cut down to its images whose directory width byte is in `sides` (0 for 256), offsets recomputed.
std::string keeping(const std::string& b, const std::set<int>& sides) {
  std::string entries, data;
  std::uint32_t kept = 0;
  for (std::uint32_t i = 0; i < le(b, 4, 2); ++i) {
    const std::string entry = b.substr(6 + 16 * i, 16);
    if (!sides.count(std::uint8_t(entry[0]))) continue;
    ++kept;
    entries += entry;
    data += b.substr(le(entry, 12, 4), le(entry, 8, 4));
  }
  std::uint32_t at = 6 + 16 * kept;
  for (std::uint32_t i = 0; i < kept; ++i) {
    for (int k = 0; k < 4; ++k) entries[16 * i + 12 + std::size_t(k)] = char(at >> (8 * k));
    at += le(entries, 16 * i + 8, 4);
  }
  return b.substr(0, 4) + char(kept) + '\0' + entries + data;
}

std::vector<std::string> dataOf(const std::vector<Entry>& entries) {
  std::vector<std::string> data;
  for (const Entry& e : entries) data.push_back(e.data);
  std::sort(data.begin(), data.end());
  return data;
}

// Pillow decodes every image and lists "offset size" of each; icotool counts them.
QByteArray pillowListing(const std::string& file) {
  const QString script = QStringLiteral(
      "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\nrows = []\n"
      "for i, e in enumerate(im.ico.entry):\n    im.ico.frame(i).load()\n"
      "    rows.append((e['offset'], e['size']))\nfor r in sorted(rows): print(*r)\n");
  QByteArray out;
  if (!run(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, QString::fromStdString(file)}, &out))
    return "Pillow failed";
  return out;
}

int icotoolCount(const std::string& file) {
  QByteArray out;
  if (!run(QStringLiteral("icotool"), {QStringLiteral("-l"), QString::fromStdString(file)}, &out)) return -1;
  return int(out.count('\n'));
}

void checkReadersAgree(const std::string& file) {
  QByteArray mine;
  const std::vector<Entry> entries = entriesOf(file);
  for (const Entry& e : entries) mine += QByteArray::number(e.offset) + ' ' + QByteArray::number(e.size) + '\n';
  QCOMPARE(pillowListing(file), mine);
  QCOMPARE(icotoolCount(file), int(entries.size()));
}

// A 16 x 16 image as Pillow reads it, each pixel a 2 x 2 block of cells.
Canvas enlargedByPillow(const std::string& file) {
  QByteArray rgba;
  run(QStringLiteral("/usr/bin/python3"),
      {QStringLiteral("-c"),
       QStringLiteral("import sys\nfrom PIL import Image\n"
                      "sys.stdout.buffer.write(Image.open(sys.argv[1]).convert('RGBA').tobytes())"),
       QString::fromStdString(file)},
      &rgba);
  Canvas c;
  if (rgba.size() != 16 * 16 * 4) return c;
  for (int row = 0; row < 32; ++row)
    for (int column = 0; column < 32; ++column) {
      const auto* p = reinterpret_cast<const std::uint8_t*>(rgba.constData()) + 4 * (16 * (row / 2) + column / 2);
      c.at(column, row) = p[3] < 128 ? Cell{kWhite, 1} : Cell{rgb(p[0], p[1], p[2]), 0};
    }
  return c;
}

void copyIcon(const char* name, const std::string& to) {
  std::filesystem::copy_file(realIcon(name), to, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

class TestIconImages : public QObject {
  Q_OBJECT

  ScratchFolder tmp_;

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    if (!haveReaders()) QSKIP("needs icotool (icoutils) and /usr/bin/python3 with PIL (python3-pil)");
  }

  // The only image, 16 x 16 (Pillow's reading, enlarged) or 15 x 16, goes straight onto the canvas, unsaved.
  void aFileWithOneImageOfAnotherSizeLoadsAtOnce() {
    for (const char* name : {"clang-bugcatcher-16.ico", "apache-favicon-15x16.ico"}) {
      FileCommandRig rig;
      QVERIFY(!rig.openFile(realIcon(name)));
      QVERIFY2(rig.boxes.shown().empty() && rig.dialog.shown().size() == 1, name);
      QVERIFY(!rig.state.iconSaved && !rig.state.busy && rig.state.canvas != Canvas());
      QCOMPARE(rig.state.ico.originPath, realIcon(name));
      QCOMPARE(rig.state.preview.pixel(5, 5), rig.state.canvas.at(5, 5).colour);
    }
    FileCommandRig rig;
    rig.state.ico.openPath = realIcon("clang-bugcatcher-16.ico");
    rig.open.openNamedFile();
    QCOMPARE(rig.state.canvas, enlargedByPillow(realIcon("clang-bugcatcher-16.ico")));
  }

  // Several (real images, a 256 x 256 PNG among them, once the 32 x 32 ones are cut out): the chooser shows
  // them resampled with their sizes, and a double-click puts one on the canvas as its box showed it.
  void severalImagesOfOtherSizesAreOfferedResampled() {
    const struct {
      std::set<int> sides;
      const char *heading, *sizes;
    } rows[] = {{{16, 48, 0}, "Images of 16 × 16 to 256 × 256", "16 × 16|256 × 256|48 × 48|16 × 16"},
                {{16}, "16 × 16 images", "16 × 16|16 × 16"}};
    for (const auto& row : rows) {
      const std::string file = tmp_.path("cut.ico");
      writeFile(file, keeping(readFile(realIcon("nsis3-install.ico")), row.sides));
      checkReadersAgree(file);
      FileCommandRig rig;
      Form4* form = rig.openFile(file);
      QVERIFY(form);
      QCOMPARE(form->findChild<QLabel*>("Label2")->text(),
               QString::fromUtf8(row.heading) + QStringLiteral(" — resampled to 32 × 32"));
      QStringList sizes;
      for (int b = 0; !form->box(b)->toolTip().isEmpty(); ++b) {
        QCOMPARE(form->box(b)->content(), ui::IconPicture::Content::Image);
        sizes << form->box(b)->toolTip();
      }
      QCOMPARE(sizes.join('|'), QString::fromUtf8(row.sizes));
      QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QString::number(sizes.size()));
      QTest::mouseClick(form->box(1), Qt::LeftButton);
      screenshot(*form, sizes.size() > 2 ? "chooser-resampled.png" : "chooser-resampled-16.png");
      const QImage thumbnail = form->box(1)->image();
      QTest::mouseDClick(form->box(1), Qt::LeftButton);
      QCOMPARE(ui::iconImage(rig.state.canvas, Qt::white), thumbnail);
      QCOMPARE(rig.state.ico.originOffset, std::int64_t(entriesOf(file)[1].offset));
      QVERIFY(rig.boxes.shown().empty() && !rig.state.iconSaved);
    }
  }

  // A file with 32 x 32 images: only those, as before (one loads at once and keeps IconSaved; two: the chooser).
  void filesWithA32PixelImageAreOfferedAsBefore() {
    FileCommandRig rig;
    QVERIFY(!rig.openFile(realIcon("dokuwiki-favicon.ico")));
    QCOMPARE(rig.state.ico.iconCount, 1);
    IcoState ico = rig.state.ico;
    Canvas expected;
    QVERIFY(loadTempIco(ico, 0));
    moveTempIco2Pixel(ico, expected);
    QVERIFY(rig.state.canvas == expected && rig.state.iconSaved);
    Form4* form = rig.openFile(realIcon("nsis3-install.ico"));
    QVERIFY(form);
    QCOMPARE(form->findChild<QLabel*>("Label3")->text(), QStringLiteral("2"));
    QCOMPARE(form->findChild<QLabel*>("Label2")->text(),
             QStringLiteral("Please select the icon that you wish to load and click OK."));
    QVERIFY(form->box(0)->toolTip().isEmpty() && form->box(2)->content() == ui::IconPicture::Content::Empty);
    screenshot(*form, "chooser-nsis3.png");
  }

  // Ticked: the image the canvas came from is replaced, every other one kept byte for byte; after New or a
  // picture conversion the canvas comes from nowhere, so the 16 x 16 favicon is kept and the icon added.
  void savingWithTheBoxTickedKeepsTheOtherImages() {
    const std::function<void(ProgramState&)> afterOpen[] = {
        [](ProgramState&) {}, [](ProgramState& s) { newIcon(s); },
        [](ProgramState& s) { convertPicture(s, {0, 0, 32, 32}, [](int x, int) { return rgb(x, 9, 9); }); }};
    const struct {
      const char* name;
      int afterOpen;
      std::size_t replaced;  // which image of the file (in file order) the icon takes the place of
      std::size_t countAfter;
    } rows[] = {{"nsis3-install.ico", 0, 0, 6},
                {"clang-bugcatcher-16.ico", 0, 0, 1},
                {"clang-bugcatcher-16.ico", 1, 9, 2},
                {"clang-bugcatcher-16.ico", 2, 9, 2}};
    for (const auto& row : rows) {
      const std::string file = tmp_.path("kept.ico");
      copyIcon(row.name, file);
      const std::vector<Entry> before = entriesOf(file);
      FileCommandRig rig;
      rig.state.settings.multiIconFile = "1";
      if (Form4* form = rig.openFile(file)) QTest::mouseDClick(form->box(0), Qt::LeftButton);
      afterOpen[row.afterOpen](rig.state);
      rig.state.canvas.at(3, 4) = Cell{rgb(1, 2, 3), 0};
      ProgramState plain = rig.state;
      QVERIFY(saveIcon(plain, tmp_.path("plain.ico"), 24));
      rig.dialog.queue(file);
      rig.boxes.queue(Answer::Yes);
      rig.save.mnuFileSaveAs24_Click();
      QVERIFY(rig.state.iconSaved);
      std::vector<Entry> expected = before;
      if (row.replaced < expected.size()) expected.erase(expected.begin() + std::ptrdiff_t(row.replaced));
      expected.push_back({0, 0, readFile(tmp_.path("plain.ico")).substr(22)});
      const std::vector<Entry> after = entriesOf(file);
      QCOMPARE(after.size(), row.countAfter);
      QVERIFY2(dataOf(after) == dataOf(expected), row.name);
      checkReadersAgree(file);
    }
  }

  // Clear: the one-image file, byte for byte; a damaged .ico target too, said in the status bar.
  void otherwiseTheOneImageFileIsWritten() {
    MainWindowHarness h;
    const std::string damaged = tmp_.path("damaged.ico"), kept = tmp_.path("clear.ico"), fresh = tmp_.path("n.ico");
    writeFile(damaged, std::string("\0\0\1\0\5\0\x20\x20", 8));
    copyIcon("nsis3-install.ico", kept);
    const struct {
      std::string file;
      const char* ticked;
      bool said;
    } rows[] = {{kept, "2", false}, {damaged, "1", true}, {fresh, "1", false}};
    for (const auto& row : rows) {
      h.state.settings.multiIconFile = row.ticked;
      h.dialog.queue(row.file);
      if (std::filesystem::exists(row.file)) h.boxes.queue(Answer::Yes);
      h.triggerMenu("mnuFileSaveAs24");
      ProgramState plain = h.state;
      QVERIFY(saveIcon(plain, tmp_.path("plain.ico"), 24));
      QVERIFY(readFile(row.file) == readFile(tmp_.path("plain.ico")));
      const QString status = h.window->statusBarWidget()->textPanel()->text();
      QVERIFY2((status != QStringLiteral("Status")) == row.said, qPrintable(status));
      checkReadersAgree(row.file);
    }
  }
};

QTEST_MAIN(TestIconImages)
#include "test_icon_images.moc"
