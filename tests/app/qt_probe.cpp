// Compiled with a UTF-8 execution character set: it includes Qt's widget headers.
#include "qt_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>

#include "app/toolkit/toolkit.h"

namespace {

QListWidget* list_of(const WSClist* list) { return static_cast<QListWidget*>(list->qtWidget()); }

}  // namespace

std::string probe_shown_text(const WSCbase* w) {
  QWidget* q = w->qtWidget();
  if (auto* label = qobject_cast<QLabel*>(q)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(q)) return button->text().toStdString();
  if (auto* field = qobject_cast<QLineEdit*>(q)) return field->text().toStdString();
  return q->windowTitle().toStdString();
}

std::string probe_qt_class(const WSCbase* w) { return w->qtWidget()->metaObject()->className(); }

ProbeRect probe_geometry(const WSCbase* w) {
  const QWidget* q = w->qtWidget();
  return {q->x(), q->y(), q->width(), q->height()};
}

bool probe_is_visible(const WSCbase* w) { return w->qtWidget()->isVisible(); }
std::string probe_font_family(const WSCbase* w) { return QFontInfo(w->qtWidget()->font()).family().toStdString(); }
int probe_font_pixel_size(const WSCbase* w) { return w->qtWidget()->font().pixelSize(); }
bool probe_font_bold(const WSCbase* w) { return w->qtWidget()->font().bold(); }

int probe_text_width(const WSCbase* w, const std::string& cp932) {
  return w->qtWidget()->fontMetrics().horizontalAdvance(toolkit_qstring(cp932));
}

int probe_line_height(const WSCbase* w) { return w->qtWidget()->fontMetrics().height(); }

void probe_type_into(WSCvifield* field, const std::string& utf8_text) {
  auto* edit = static_cast<QLineEdit*>(field->qtWidget());
  edit->selectAll();
  edit->insert(QString::fromStdString(utf8_text));
}

void probe_click(WSCvbtn* button) { static_cast<QAbstractButton*>(button->qtWidget())->click(); }

void probe_process_events() {
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

int probe_scroll_value(const WSClist* list) { return list_of(list)->verticalScrollBar()->value(); }
int probe_scroll_maximum(const WSClist* list) { return list_of(list)->verticalScrollBar()->maximum(); }

void probe_scroll_to(WSClist* list, int value) {
  list_of(list)->doItemsLayout();
  list_of(list)->verticalScrollBar()->setValue(value);
}

int probe_item_height(const WSClist* list, int row) {
  QListWidget* l = list_of(list);
  l->doItemsLayout();
  return l->visualItemRect(l->item(row)).height();
}

std::vector<int> probe_timer_intervals() {
  std::vector<int> intervals;
  for (const QTimer* t : QCoreApplication::instance()->findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
    if (t->isActive()) intervals.push_back(t->interval());
  return intervals;
}
