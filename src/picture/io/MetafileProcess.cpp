#include "picture/io/MetafileProcess.h"

#include <csignal>

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include "picture/MetafileHeader.h"
#include "picture/io/LimitedChildProcess.h"

namespace pictavo {

QString metafileProgramPath() {
  const QString chosen = qEnvironmentVariable("PICTAVO_METAFILE_PROGRAM");
  if (!chosen.isEmpty()) return chosen;
  const QString ownDir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
  const QString beside = ownDir + QStringLiteral("/pictavo-metafile");
  if (QFileInfo(beside).isExecutable()) return beside;
  return QDir::cleanPath(ownDir + QStringLiteral("/../libexec/pictavo/pictavo-metafile"));
}

namespace {

QString describeFailure(const ChildResult& run) {
  switch (run.outcome) {
    case ChildResult::Outcome::NotStarted: return QStringLiteral("the metafile renderer could not be started");
    case ChildResult::Outcome::TimedOut: return QStringLiteral("drawing the metafile took too long");
    case ChildResult::Outcome::OutputTooLarge: return QStringLiteral("the drawn metafile is too large");
    case ChildResult::Outcome::Crashed:
      // The CPU limit ends the renderer with SIGXCPU, or SIGKILL at its hard value.
      if (run.signal == SIGXCPU || run.signal == SIGKILL) return QStringLiteral("drawing the metafile took too long");
      return QStringLiteral("the metafile renderer failed on this file");
    case ChildResult::Outcome::Exited: break;
  }
  if (run.exitCode == 127) return QStringLiteral("the metafile renderer is missing: ") + metafileProgramPath();
  const QString said = QString::fromUtf8(run.errors.data(), static_cast<qsizetype>(run.errors.size())).trimmed();
  return said.isEmpty() ? QStringLiteral("the metafile cannot be drawn") : said.section('\n', 0, 0);
}

}  // namespace

QImage renderMetafileInChild(const QByteArray& bytes, QString& error) {
  ChildLimits limits;
  bool shortened = false;
  const int timeoutMs = qEnvironmentVariableIntValue("PICTAVO_METAFILE_TIMEOUT_MS", &shortened);
  if (shortened && timeoutMs > 0) limits.timeoutMs = timeoutMs;
  const ChildResult run = runLimited(metafileProgramPath().toStdString(),
                                     std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), limits);
  if (run.outcome != ChildResult::Outcome::Exited || run.exitCode != 0) {
    error = describeFailure(run);
    return QImage();
  }
  // The renderer's answer is no more trusted than its input.
  QByteArray png = QByteArray::fromStdString(run.output);
  QBuffer buffer(&png);
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxMetafileSide || size.height() > kMaxMetafileSide) {
    error = QStringLiteral("the metafile renderer gave no usable picture");
    return QImage();
  }
  QImage image = reader.read();
  if (image.isNull()) error = QStringLiteral("the metafile renderer gave no usable picture");
  return image;
}

}  // namespace pictavo
