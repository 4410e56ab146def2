#include "platform/ui/QProcessLauncher.h"

#include <QProcess>
#include <QStringList>

namespace pictavo::ui {
namespace {
constexpr int kWaitMilliseconds = 30000;
}

LaunchResult QProcessLauncher::run(const std::string& program,
                                   const std::vector<std::string>& arguments) {
  QStringList args;
  for (const std::string& a : arguments) args << QString::fromStdString(a);
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QString::fromStdString(program), args);
  LaunchResult result;
  if (!process.waitForStarted()) {
    result.errorText = program + " could not be started: " + process.errorString().toStdString();
    return result;
  }
  result.started = true;
  if (!process.waitForFinished(kWaitMilliseconds)) {
    process.kill();
    process.waitForFinished();
    result.errorText = program + " did not finish.";
    return result;
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  if (result.exitCode != 0) {
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    result.errorText = program + " reported a failure" +
                       (output.isEmpty() ? std::string(".") : ": " + output.toStdString());
  }
  return result;
}

bool QProcessLauncher::startDetached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
  QStringList args;
  for (const std::string& a : arguments) args << QString::fromStdString(a);
  return QProcess::startDetached(QString::fromStdString(program), args);
}

}  // namespace pictavo::ui
