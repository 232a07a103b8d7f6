#include "app/cli/png_output.h"

#include <QFile>
#include <QImage>

#include "app/widgets.h"

bool write_drawing_area_png(const std::string& file) {
  // The backing image only grows, so it may be larger than the area.
  const int width = static_cast<int>(newvdra_001->getProperty(WSNwidth()));
  const int height = static_cast<int>(newvdra_001->getProperty(WSNheight()));
  const QImage picture = newvdra_001->image().copy(0, 0, width, height);
  return picture.save(QFile::decodeName(QByteArray::fromStdString(file)), "PNG");
}
