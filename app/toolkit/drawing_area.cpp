#include "app/toolkit/drawing_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <functional>

#include "app/toolkit/property_names.h"
#include "app/toolkit/text_codec.h"

namespace {

const QColor kBlank = Qt::white;

class Surface : public QWidget {
 public:
  Surface(std::function<void()> before_paint, std::function<const QImage&()> image, std::function<void(QSize)> resized)
      : before_paint_(std::move(before_paint)), image_(std::move(image)), resized_(std::move(resized)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    before_paint_();
    QPainter painter(this);
    painter.drawImage(event->rect(), image_(), event->rect());
  }
  void resizeEvent(QResizeEvent*) override { resized_(size()); }

 private:
  std::function<void()> before_paint_;
  std::function<const QImage&()> image_;
  std::function<void(QSize)> resized_;
};

}  // namespace

WSCvdrawingArea::WSCvdrawingArea(WSCbase* parent, const char* name) : WSCbase(parent, name) {
  auto* surface = new Surface([this] { paintFromProcedures(); }, [this]() -> const QImage& { return image_; },
                              [this](QSize s) { fitImage(s.width(), s.height()); });
  surface->setObjectName(QString::fromStdString(this->name()));
  setQtWidget(surface);
  fitImage(surface->width(), surface->height());
}

void WSCvdrawingArea::paintFromProcedures() {
  if (toolkit_procedure_running()) {
    // Another procedure is on the stack: show the image as it is and run this
    // area's procedure once that one has returned.
    QTimer::singleShot(0, qtWidget(), [w = qtWidget()] { w->update(); });
    return;
  }
  runProcedures();
}

bool WSCvdrawingArea::applyProperty(const std::string& name, const WSCvariant& value) {
  if (name != WSNwidth() && name != WSNheight()) return false;
  // A hidden widget hears of its new size only when shown; drawing may come first.
  WSCbase::applyProperty(name, value);
  fitImage(qtWidget()->width(), qtWidget()->height());
  return true;
}

void WSCvdrawingArea::fitImage(int width, int height) {
  if (width <= image_.width() && height <= image_.height()) return;
  // Grows only, keeping what was drawn.
  QImage grown(std::max(width, image_.width()), std::max(height, image_.height()), QImage::Format_RGB32);
  grown.fill(kBlank);
  if (!image_.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, image_);
  }
  image_ = grown;
}

void WSCvdrawingArea::setForeColor(const char* colour) {
  const QColor c(QString::fromLatin1(colour ? colour : ""));
  if (c.isValid()) fore_ = c;
}

void WSCvdrawingArea::drawFillRect(short x, short y, unsigned short width, unsigned short height) {
  QPainter p(&image_);
  p.fillRect(x, y, width, height, fore_);
}

void WSCvdrawingArea::drawString(long x, long y, unsigned long /*width*/, unsigned long /*height*/, char, char,
                                 const char* cp932_text, long length) {
  if (!cp932_text) return;
  const std::size_t n = length < 0 ? std::strlen(cp932_text) : static_cast<std::size_t>(length);
  QPainter p(&image_);
  p.setFont(qtWidget()->font());
  p.setPen(fore_);
  // No clip to the box: a grid cell's text is wider than its box and must show whole.
  p.drawText(QPointF(x, y + p.fontMetrics().ascent()), toolkit_qstring(std::string(cp932_text, n)));
}
