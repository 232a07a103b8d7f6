#include "app/toolkit/label.h"

#include <QLabel>

#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

WSCvlabel::WSCvlabel(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* label = new QLabel;
  label->setObjectName(QString::fromStdString(this->name()));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setQtWidget(label);
}

bool WSCvlabel::applyProperty(const std::string& name, const WSCvariant& value) {
  auto* label = static_cast<QLabel*>(qtWidget());
  if (name == WSNlabelString()) {
    label->setText(toolkit_qstring(value.text()));
  } else if (name == WSNalignmentH()) {
    const int a = static_cast<int>(value);
    const Qt::Alignment h = a == 1 ? Qt::AlignHCenter : a == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(h | Qt::AlignVCenter);
  } else {
    return false;
  }
  return true;
}
