#include "app/cli/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace {

void print_serious(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

void quiet_qt_messages() { qInstallMessageHandler(print_serious); }
