#include "app/toolkit/list.h"

#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

namespace {

constexpr int kCp932Role = Qt::UserRole;  // the item's text as given, byte for byte

QListWidget* list_widget(const WSCbase* w) { return static_cast<QListWidget*>(w->qtWidget()); }

}  // namespace

WSClist::WSClist(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* list = new QListWidget;
  list->setObjectName(QString::fromStdString(this->name()));
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list->setSpacing(0);
  setQtWidget(list);
}

void WSClist::delAll() {
  auto* list = list_widget(this);
  pending_v_ = list->verticalScrollBar()->value();
  pending_h_ = list->horizontalScrollBar()->value();
  list->clear();
}

void WSClist::addItem(const char* cp932_text, long position) {
  auto* list = list_widget(this);
  const std::string bytes = cp932_text ? cp932_text : "";
  auto* item = new QListWidgetItem(toolkit_qstring(bytes));
  item->setData(kCp932Role, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  item->setSizeHint(QSize(list->fontMetrics().horizontalAdvance(item->text()) + 4, item_height_));
  if (position < 0 || position >= list->count()) list->addItem(item);
  else list->insertItem(static_cast<int>(position), item);
  if (pending_v_ >= 0 || pending_h_ >= 0) restoreScroll();
}

void WSClist::restoreScroll() {
  auto* list = list_widget(this);
  list->doItemsLayout();  // brings the scroll ranges up to date with the items
  QScrollBar* v = list->verticalScrollBar();
  QScrollBar* h = list->horizontalScrollBar();
  if (pending_v_ >= 0) {
    v->setValue(std::min(pending_v_, v->maximum()));
    if (v->value() == pending_v_) pending_v_ = -1;
  }
  if (pending_h_ >= 0) {
    h->setValue(std::min(pending_h_, h->maximum()));
    if (h->value() == pending_h_) pending_h_ = -1;
  }
}

long WSClist::itemCount() const { return list_widget(this)->count(); }

std::string WSClist::itemText(long index) const {
  const QListWidgetItem* item = list_widget(this)->item(static_cast<int>(index));
  if (!item) return {};
  const QByteArray bytes = item->data(kCp932Role).toByteArray();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool WSClist::applyProperty(const std::string& name, const WSCvariant& value) {
  auto* list = list_widget(this);
  if (name == WSNitemHeight()) {
    item_height_ = std::max(1, static_cast<int>(value));
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(list->item(i)->sizeHint().width(), item_height_));
  } else if (name == WSNworkHeight()) {
    work_height_ = std::max(0, static_cast<int>(value));
    if (!hasProperty(WSNheight())) list->resize(list->width(), defaultHeight());
  } else if (name == WSNtitleString() || name == WSNbarValue() || name == WSNseparator() || name == WSNbarThickness()) {
    // Header bar settings: this list shows no header bar, so they are only kept.
  } else {
    return false;
  }
  return true;
}

int WSClist::defaultHeight() const {
  const int frame = 2 * list_widget(this)->frameWidth();
  return (work_height_ > 0 ? work_height_ : 4 * item_height_) + frame;
}
