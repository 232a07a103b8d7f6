#include "app/toolkit/main_window.h"

#include <QWidget>

#include "app/toolkit/cursors.h"
#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

WSCmainWindow::WSCmainWindow(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* window = new QWidget(parent ? parent->qtWidget() : nullptr, parent ? Qt::Window : Qt::WindowFlags());
  window->setObjectName(QString::fromStdString(this->name()));
  setQtWidget(window);
}

void WSCmainWindow::initialize() {
  WSCbase::initialize();
  qtWidget()->setCursor(toolkit_cursor_shape(0));
}

bool WSCmainWindow::applyProperty(const std::string& name, const WSCvariant& value) {
  if (name != WSNtitleString()) return false;
  qtWidget()->setWindowTitle(toolkit_qstring(value.text()));
  return true;
}
