// libFuzzer's entry point for one target; PICTAVO_FUZZ_CHECK names its check.
#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"

#ifdef PICTAVO_FUZZ_METAFILE
#include <QGuiApplication>

#include "MetafileCheck.h"

// The renderer draws text, which needs Qt's fonts and so an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static QGuiApplication app(*argc, *argv);
  return 0;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = pictavo::fuzz::PICTAVO_FUZZ_CHECK(data, size);
  if (!problem.empty()) {
    std::fprintf(stderr, "check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
