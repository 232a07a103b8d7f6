// A drawing area with a retained backing image. Drawing operations paint into
// the image at any time; whenever the area is shown, exposed or asked to
// redraw, it first runs its procedures, then shows the image.
#pragma once

#include <QColor>
#include <QImage>

#include "app/toolkit/base.h"

class WSCvdrawingArea : public WSCbase {
 public:
  WSCvdrawingArea(WSCbase* parent, const char* name);
  void setForeColor(const char* colour);  // "#rrggbb"
  void drawFillRect(short x, short y, unsigned short width, unsigned short height);
  // Draws text with the top-left of its line at (x, y) in the current colour
  // and the widget's font. Blanks paint nothing, and a text wider than its box
  // is not cut off. length counts bytes; a negative length takes the text up
  // to its NUL. The two char arguments are accepted and have no effect here.
  void drawString(long x, long y, unsigned long width, unsigned long height,
                  char, char, const char* cp932_text, long length);
  const QImage& image() const { return image_; }  // the retained backing image

  // Runs the procedures with this area (the toolkit's paint calls this).
  void paintFromProcedures();

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;

 private:
  void fitImage(int width, int height);

  QImage image_;
  QColor fore_ = Qt::black;
};
