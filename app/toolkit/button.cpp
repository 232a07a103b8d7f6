#include "app/toolkit/button.h"

#include <QPushButton>

#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

WSCvbtn::WSCvbtn(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* button = new QPushButton;
  button->setObjectName(QString::fromStdString(this->name()));
  QObject::connect(button, &QPushButton::clicked, [this] { runProcedures(); });
  setQtWidget(button);
}

bool WSCvbtn::applyProperty(const std::string& name, const WSCvariant& value) {
  if (name != WSNlabelString()) return false;
  static_cast<QPushButton*>(qtWidget())->setText(toolkit_qstring(value.text()));
  return true;
}
