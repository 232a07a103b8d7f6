#include "app/toolkit/base.h"

#include <QWidget>

#include "app/toolkit/application.h"
#include "app/toolkit/fonts.h"
#include "app/toolkit/procedure.h"
#include "app/toolkit/property_names.h"

namespace {

int procedures_running = 0;

constexpr int kDefaultWidth = 100;

}  // namespace

bool toolkit_procedure_running() { return procedures_running > 0; }

WSCbase::WSCbase(WSCbase* parent, const char* name) : parent_(parent), name_(name ? name : "") {
  toolkit_ensure_application();
}

WSCbase::~WSCbase() {
  QWidget* w = widget_;
  widget_ = nullptr;
  delete w;
}

void WSCbase::setQtWidget(QWidget* widget) {
  widget_ = widget;
  QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
  if (parent_ && parent_->qtWidget()) widget_->setParent(parent_->qtWidget());
  widget_->setFont(toolkit_default_font());
  widget_->resize(kDefaultWidth, defaultHeight());
}

void WSCbase::initialize() {
  // Sizes follow the font, which a subclass may have changed since construction.
  if (!hasProperty(WSNheight())) widget_->resize(widget_->width(), defaultHeight());
}

void WSCbase::refresh() {
  // Paints the widget now rather than at the next turn of the event loop; no
  // other event is taken up, so no procedure runs inside the caller's.
  if (widget_->isVisible()) widget_->repaint();
}

void WSCbase::attachProcedure(WSCprocedure* proc) {
  if (proc) procedures_.push_back(proc);
}

void WSCbase::redraw() { widget_->update(); }

void WSCbase::runProcedures() {
  if (procedures_running > 0) return;
  ++procedures_running;
  for (const WSCprocedure* p : procedures_)
    if (p->trigger() == WSEV_ACTIVATE) p->run(this);
  --procedures_running;
}

long WSCbase::setPropertyV(const char* name, const char* text) { return setProperty(name, WSCvariant(std::string(text ? text : ""))); }
long WSCbase::setPropertyV(const char* name, char value) { return setProperty(name, WSCvariant(static_cast<long>(value))); }
long WSCbase::setPropertyV(const char* name, unsigned char value) { return setProperty(name, WSCvariant(static_cast<long>(value))); }
long WSCbase::setPropertyV(const char* name, short value) { return setProperty(name, WSCvariant(static_cast<long>(value))); }
long WSCbase::setPropertyV(const char* name, unsigned short value) { return setProperty(name, WSCvariant(static_cast<long>(value))); }

long WSCbase::setProperty(const char* name, const WSCvariant& value) {
  const std::string key = name ? name : "";
  properties_[key] = value;
  if (!applyProperty(key, value)) WSCbase::applyProperty(key, value);
  return 1;
}

bool WSCbase::applyProperty(const std::string& name, const WSCvariant& value) {
  const int n = static_cast<int>(value);
  if (name == WSNx()) widget_->move(n, widget_->y());
  else if (name == WSNy()) widget_->move(widget_->x(), n);
  else if (name == WSNwidth()) widget_->resize(n, widget_->height());
  else if (name == WSNheight()) widget_->resize(widget_->width(), n);
  else if (name == WSNvis()) widget_->setVisible(n != 0);
  else if (name == WSNfont()) {
    widget_->setFont(toolkit_font(n));
    if (!hasProperty(WSNheight())) widget_->resize(widget_->width(), defaultHeight());
  } else return false;
  return true;
}

bool WSCbase::currentProperty(const std::string& name, WSCvariant& value) const {
  if (name == WSNx()) value = WSCvariant(static_cast<long>(widget_->x()));
  else if (name == WSNy()) value = WSCvariant(static_cast<long>(widget_->y()));
  else if (name == WSNwidth()) value = WSCvariant(static_cast<long>(widget_->width()));
  else if (name == WSNheight()) value = WSCvariant(static_cast<long>(widget_->height()));
  else if (name == WSNvis()) value = WSCvariant(static_cast<long>(widget_->isVisible() ? 1 : 0));
  else return false;
  return true;
}

WSCvariant WSCbase::getProperty(const char* name) const {
  const std::string key = name ? name : "";
  WSCvariant value;
  if (currentProperty(key, value)) return value;
  const auto it = properties_.find(key);
  return it == properties_.end() ? WSCvariant() : it->second;
}

void WSCbase::setVisible(unsigned char visible) {
  widget_->setVisible(visible != 0);
}

int WSCbase::defaultHeight() const { return widget_->fontMetrics().height() + 8; }
