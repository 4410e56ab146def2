#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace pictavo {

// Draws an EMF or WMF file in pictavo-metafile under CPU, memory and time
// limits. A crash or overrun in there comes back as an error, never as ours.
// PICTAVO_METAFILE_PROGRAM names another renderer and PICTAVO_METAFILE_TIMEOUT_MS
// shortens the wall-clock limit (for tests).
QImage renderMetafileInChild(const QByteArray& bytes, QString& error);

// Beside the running program, else in <program dir>/../libexec/pictavo.
QString metafileProgramPath();

}  // namespace pictavo
