#include "app/toolkit/timer.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/toolkit/application.h"

void WSDtimer::addTimerProc(void (*handler)(unsigned char, void*), unsigned char interval, void* data) {
  if (!handler) return;
  toolkit_ensure_application();
  // Lives with the application; timers are never removed.
  auto* timer = new QTimer(QCoreApplication::instance());
  timer->setInterval(static_cast<int>(interval) * kTimerUnitMs);
  QObject::connect(timer, &QTimer::timeout, [handler, interval, data] { handler(interval, data); });
  timer->start();
}

WSDtimer* WSGIappTimer() {
  static WSDtimer timer;
  return &timer;
}
