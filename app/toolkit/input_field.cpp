#include "app/toolkit/input_field.h"

#include <QLineEdit>

#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

WSCvifield::WSCvifield(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* field = new QLineEdit;
  field->setObjectName(QString::fromStdString(this->name()));
  field->setTextMargins(0, 0, 0, 0);
  setQtWidget(field);
}

void WSCvifield::setBuf(unsigned short* ucs2) {
  auto* field = static_cast<QLineEdit*>(qtWidget());
  field->setText(ucs2 ? QString::fromUtf16(reinterpret_cast<const char16_t*>(ucs2)) : QString());
}

bool WSCvifield::applyProperty(const std::string& name, const WSCvariant& value) {
  if (name != WSNlabelString()) return false;
  static_cast<QLineEdit*>(qtWidget())->setText(toolkit_qstring(value.text()));
  return true;
}

bool WSCvifield::currentProperty(const std::string& name, WSCvariant& value) const {
  if (name != WSNlabelString()) return WSCbase::currentProperty(name, value);
  value = WSCvariant(toolkit_cp932(static_cast<QLineEdit*>(qtWidget())->text()));
  return true;
}
