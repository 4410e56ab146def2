// pictavo-metafile: reads an EMF or WMF file on standard input and writes the
// drawn picture as PNG on standard output. The editor runs it under CPU,
// memory and time limits, so a hostile metafile can only end this process.
#include <QBuffer>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "picture/metafile/MetafileRenderer.h"

namespace {

constexpr qsizetype kMaxInputBytes = 64 * 1024 * 1024;

bool readAllInput(QByteArray& bytes) {
  char chunk[65536];
  while (true) {
    const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
    if (got == 0) return true;
    if (got < 0) return false;
    if (bytes.size() + got > kMaxInputBytes) return false;
    bytes.append(chunk, got);
  }
}

bool writeAll(const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t put = write(STDOUT_FILENO, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (put <= 0) return false;
    done += put;
  }
  return true;
}

// Tests prove the limits by asking the renderer to misbehave the way a parser
// bug would: spin, grab memory, or stall.
[[noreturn]] void runAway(const char* how) {
  if (std::strcmp(how, "memory") == 0) {
    std::vector<char*> blocks;
    while (true) {
      char* block = static_cast<char*>(std::malloc(16 << 20));
      if (!block) std::abort();
      std::memset(block, 1, 16 << 20);
      blocks.push_back(block);
    }
  }
  if (std::strcmp(how, "hang") == 0)
    while (true) pause();
  volatile unsigned long spin = 0;
  while (true) spin = spin + 1;
}

// Qt's own warnings would drown the one line the caller shows.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int fail(const QString& why) {
  std::fprintf(stderr, "%s\n", qPrintable(why));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* how = std::getenv("PICTAVO_METAFILE_RUNAWAY")) runAway(how);
  QByteArray input;
  if (!readAllInput(input)) return fail(QStringLiteral("cannot read the metafile"));
  qInstallMessageHandler(quiet);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const pictavo::RenderedMetafile rendered = pictavo::renderMetafile(input);
  if (rendered.image.isNull()) return fail(rendered.error);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!rendered.image.save(&buffer, "PNG")) return fail(QStringLiteral("cannot encode the picture"));
  return writeAll(png) ? 0 : 1;
}
