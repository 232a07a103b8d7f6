#include "app/toolkit/application.h"

#include <QApplication>
#include <QFont>
#include <string>
#include <vector>

#include "app/toolkit/fonts.h"

namespace {

std::vector<void (*)()>& init_handlers() {
  static std::vector<void (*)()> handlers;
  return handlers;
}

std::string& instance_name() {
  static std::string name;
  return name;
}

// Qt keeps references to argc and argv for the life of the application.
int app_argc = 1;
char app_name[] = "sorafumi";
char* app_argv_default[] = {app_name, nullptr};
char** app_argv = app_argv_default;

void make_application() {
  if (QApplication::instance()) return;
  WSGFdeviceInitialize();
  // Lives until the process ends, like the widgets; destroying it among the
  // exit handlers would run after Qt's own globals are gone.
  new QApplication(app_argc, app_argv);
  QApplication::setFont(toolkit_default_font());
  if (!instance_name().empty()) QCoreApplication::setApplicationName(QString::fromStdString(instance_name()));
}

}  // namespace

void WSDappDev::setInitHandler(void (*handler)()) {
  if (handler) init_handlers().push_back(handler);
}

void WSDappDev::setInstanceName(const char* name) {
  instance_name() = name ? name : "";
  if (QCoreApplication::instance()) QCoreApplication::setApplicationName(QString::fromStdString(instance_name()));
}

const char* WSDappDev::instanceName() const { return instance_name().c_str(); }

const std::vector<void (*)()>& WSDappDev::initHandlers() const { return init_handlers(); }

WSDappDev* WSGIappDev() {
  static WSDappDev app;
  return &app;
}

void WSClocaleSet::setDefaultEncoding(long code) { code_ = code; }

WSClocaleSet* WSGIappLocaleSet() {
  static WSClocaleSet locale;
  return &locale;
}

void WSGFdeviceInitialize() {
  if (!QCoreApplication::instance()) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

void toolkit_ensure_application() { make_application(); }

void toolkit_release_application() { delete QCoreApplication::instance(); }

int _win_main(int argc, char** argv, char** /*envp*/, void* /*reserved*/) {
  if (argc > 0 && argv) {
    app_argc = argc;
    app_argv = argv;
  }
  make_application();
  for (auto handler : init_handlers()) handler();
  const int result = QApplication::exec();
  toolkit_release_application();
  return result;
}
