#include "cli_qt_reader.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "app/widgets.h"

namespace {

Picture picture_of(const QImage& image) {
  Picture picture;
  if (image.isNull()) return picture;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  picture.width = rgb.width();
  picture.height = rgb.height();
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) picture.rgb.push_back(rgb.pixel(x, y) & 0xFFFFFFu);
  return picture;
}

bool read_strings(const QJsonValue& value, std::vector<std::string>& out) {
  if (!value.isArray()) return false;
  for (const QJsonValue& item : value.toArray()) {
    if (!item.isString()) return false;
    out.push_back(item.toString().toStdString());
  }
  return true;
}

bool read_month(const QJsonValue& value, GridMonthView& month) {
  const QJsonObject object = value.toObject();
  if (!object.value("label").isString() || !object.value("days").isArray()) return false;
  month.label = object.value("label").toString().toStdString();
  for (const QJsonValue& day : object.value("days").toArray()) {
    const QJsonObject d = day.toObject();
    if (!d.value("text").isString() || !d.value("marker").isDouble()) return false;
    month.days.push_back({d.value("text").toString().toStdString(), d.value("marker").toInt()});
  }
  return true;
}

}  // namespace

Picture read_png_file(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromStdString(path), "PNG")) return {};
  return picture_of(image);
}

Picture drawing_area_picture() {
  const int width = static_cast<int>(newvdra_001->getProperty(WSNwidth()));
  const int height = static_cast<int>(newvdra_001->getProperty(WSNheight()));
  return picture_of(newvdra_001->image().copy(0, 0, width, height));
}

bool read_almanac_json(const std::string& json, AlmanacView& view, std::string& error) {
  QJsonParseError parse_error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &parse_error);
  if (document.isNull() || !document.isObject()) {
    error = "no JSON object: " + parse_error.errorString().toStdString();
    return false;
  }
  const QJsonObject top = document.object();
  const QJsonObject grid = top.value("grid").toObject();
  if (!top.value("date").isString() || !top.value("line").isString() || !grid.value("title").isString() ||
      !grid.value("calendar").isString() || !grid.value("months").isArray()) {
    error = "a key is missing or of the wrong type";
    return false;
  }
  view.date = top.value("date").toString().toStdString();
  view.line = top.value("line").toString().toStdString();
  view.grid_title = grid.value("title").toString().toStdString();
  view.grid_calendar = grid.value("calendar").toString().toStdString();
  if (!read_strings(top.value("terms"), view.terms) || !read_strings(top.value("phases"), view.phases)) {
    error = "terms or phases is no array of strings";
    return false;
  }
  for (const QJsonValue& value : grid.value("months").toArray()) {
    GridMonthView month;
    if (!read_month(value, month)) {
      error = "a month is not {label, days: [{text, marker}]}";
      return false;
    }
    view.months.push_back(std::move(month));
  }
  return true;
}
