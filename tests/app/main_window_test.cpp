// The main window as start-up builds it: classes, places, texts, fonts and
// procedures of its fourteen widgets.
#include <gtest/gtest.h>

#include <QFont>

#include <cstring>
#include <typeinfo>

#include "app/procedures.h"
#include "main_window_fixture.h"
#include "qt_probe.h"

namespace {

struct WidgetCase {
  WSCbase* const* widget;
  const std::type_info& type;
  const char* qt_class;
  const char* name;
  int x, y, width, height;  // height -1: the toolkit's default
  const char8_t* shown;     // nullptr: no text of its own
};

const WidgetCase kWidgets[] = {
    {reinterpret_cast<WSCbase* const*>(&newvdra_001), typeid(WSCvdrawingArea), "QWidget", "newvdra_001", 10, 130, 985, 434, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newvbtn_004), typeid(WSCvbtn), "QPushButton", "newvbtn_004", 330, 10, 190, 40, u8"和暦表示"},
    {reinterpret_cast<WSCbase* const*>(&newvlab_013), typeid(WSCvlabel), "QLabel", "newvlab_013", 10, 60, 510, -1,
     u8"　   和暦　  　 年干支　   天皇在位年数    月　 日　 曜日 六曜　干支　二十八宿"},
    {reinterpret_cast<WSCbase* const*>(&newvifi_000), typeid(WSCvifield), "QLineEdit", "newvifi_000", 60, 10, 60, -1, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newvifi_001), typeid(WSCvifield), "QLineEdit", "newvifi_001", 170, 10, 30, -1, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newvifi_003), typeid(WSCvifield), "QLineEdit", "newvifi_003", 250, 10, 30, -1, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newvlab_005), typeid(WSCvlabel), "QLabel", "newvlab_005", 10, 10, 50, -1, u8"西暦"},
    {reinterpret_cast<WSCbase* const*>(&newvlab_007), typeid(WSCvlabel), "QLabel", "newvlab_007", 210, 10, 30, -1, u8"月"},
    {reinterpret_cast<WSCbase* const*>(&newvlab_010), typeid(WSCvlabel), "QLabel", "newvlab_010", 290, 10, 30, -1, u8"日"},
    {reinterpret_cast<WSCbase* const*>(&newlist_000), typeid(WSClist), "QListWidget", "newlist_000", 10, 90, 510, -1, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newlist_001), typeid(WSClist), "QListWidget", "newlist_001", 770, 10, 225, 110, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newlist_002), typeid(WSClist), "QListWidget", "newlist_002", 545, 10, 215, 110, nullptr},
    {reinterpret_cast<WSCbase* const*>(&newvlab_000), typeid(WSCvlabel), "QLabel", "newvlab_000", 130, 10, 30, -1, u8"年"},
};

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { build_main_window_once(); }
};

TEST_F(MainWindowTest, Window) {
  EXPECT_EQ(typeid(*newwin000), typeid(WSCmainWindow));
  EXPECT_EQ(probe_shown_text(newwin000), "Sorafumi");
  EXPECT_EQ(newwin000->getProperty(WSNname()).text(), "newwin000");
  const ProbeRect r = probe_geometry(newwin000);
  EXPECT_EQ(r.x, 20);
  EXPECT_EQ(r.y, 50);
  EXPECT_EQ(r.width, 995);
  EXPECT_EQ(r.height, 585);
  EXPECT_TRUE(probe_is_visible(newwin000));
  EXPECT_TRUE(newwin000->procedures().empty());
}

TEST_F(MainWindowTest, EveryWidget) {
  for (const auto& c : kWidgets) {
    SCOPED_TRACE(c.name);
    WSCbase* w = *c.widget;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(typeid(*w), c.type);
    EXPECT_EQ(probe_qt_class(w), c.qt_class);
    EXPECT_EQ(w->name(), c.name);
    EXPECT_EQ(w->getProperty(WSNname()).text(), c.name);
    EXPECT_EQ(w->parent(), newwin000);
    EXPECT_TRUE(probe_is_visible(w));
    const ProbeRect r = probe_geometry(w);
    EXPECT_EQ(r.x, c.x);
    EXPECT_EQ(r.y, c.y);
    EXPECT_EQ(r.width, c.width);
    if (c.height >= 0) {
      EXPECT_EQ(r.height, c.height);
    }
    if (c.shown) {
      EXPECT_EQ(probe_shown_text(w), utf8(c.shown));
    }
  }
}

TEST_F(MainWindowTest, DefaultHeightsFitTheirText) {
  for (WSCbase* w : std::initializer_list<WSCbase*>{newvifi_000, newvifi_001, newvifi_003, newvlab_005, newvlab_007,
                                                     newvlab_010, newvlab_000, newvlab_013}) {
    SCOPED_TRACE(w->name());
    const ProbeRect r = probe_geometry(w);
    EXPECT_GE(r.height, probe_line_height(w) + 4);
    EXPECT_LE(r.y + r.height, 90);  // above the year-view line
  }
  // The year-view list shows its one 14-pixel line whole and ends above the grid.
  const ProbeRect list = probe_geometry(newlist_000);
  EXPECT_GE(list.height, 14 + 4);
  EXPECT_LE(list.y + list.height, 130);
  const ProbeRect header = probe_geometry(newvlab_013);
  EXPECT_LE(header.y + header.height, list.y);
}

TEST_F(MainWindowTest, RightEdgesOfGridAndSolarTermsMeet) {
  const ProbeRect area = probe_geometry(newvdra_001);
  const ProbeRect terms = probe_geometry(newlist_001);
  EXPECT_EQ(area.x + area.width, 995);
  EXPECT_EQ(area.y + area.height, 564);
  EXPECT_EQ(terms.x + terms.width, 995);
}

TEST_F(MainWindowTest, OnlyDrawingAreaAndButtonCarryProcedures) {
  ASSERT_EQ(newvdra_001->procedures().size(), 1u);
  EXPECT_EQ(newvdra_001->procedures()[0]->function(), &draw);
  EXPECT_EQ(newvdra_001->procedures()[0]->functionName(), "draw");
  EXPECT_EQ(newvdra_001->procedures()[0]->name(), "new_ep");
  EXPECT_EQ(newvdra_001->procedures()[0]->trigger(), 9);
  ASSERT_EQ(newvbtn_004->procedures().size(), 1u);
  EXPECT_EQ(newvbtn_004->procedures()[0]->function(), &wareki);
  EXPECT_EQ(newvbtn_004->procedures()[0]->functionName(), "wareki");
  for (const auto& c : kWidgets) {
    WSCbase* w = *c.widget;
    if (w != newvdra_001 && w != newvbtn_004) {
      EXPECT_TRUE(w->procedures().empty()) << c.name;
    }
  }
}

TEST_F(MainWindowTest, TextsAndHeaderSettings) {
  EXPECT_EQ(std::strlen(newvlab_013->getProperty(WSNlabelString()).text().c_str()), 78u);
  EXPECT_EQ(newvbtn_004->getProperty(WSNlabelString()).text(), "和暦表示");
  EXPECT_EQ(newlist_001->getProperty(WSNseparator()).text(), "\xB0\x7D\xB0\x7D\xB0\x7D");
  EXPECT_EQ(newlist_000->getProperty(WSNtitleString()).text(), "title1");
  EXPECT_EQ(newlist_000->itemCount(), 0);  // the title is no item
}

TEST_F(MainWindowTest, Fonts) {
  for (WSCbase* w : std::initializer_list<WSCbase*>{newlist_001, newlist_002}) {
    EXPECT_TRUE(probe_font_bold(w)) << w->name();  // font 1
    EXPECT_EQ(probe_font_pixel_size(w), 12) << w->name();
    EXPECT_EQ(probe_font_family(w), "IPAGothic") << w->name();
    EXPECT_EQ(probe_text_width(w, "123456789012"), 72) << w->name();  // bold keeps the columns
    EXPECT_EQ(probe_text_width(w, "満月 2026/ 1/ 3"), 6 * 15) << w->name();
  }
  for (WSCbase* w : std::initializer_list<WSCbase*>{newlist_000, newvdra_001, newvlab_013}) {
    EXPECT_FALSE(probe_font_bold(w)) << w->name();
    EXPECT_EQ(probe_font_family(w), "IPAGothic") << w->name();
    EXPECT_EQ(probe_text_width(w, "123456789012"), 72) << w->name();
  }
}

TEST_F(MainWindowTest, FieldsAreEmptyWhenBuilt) {
  const BuiltFields& built = build_main_window_once();
  EXPECT_EQ(built.year, "");
  EXPECT_EQ(built.month, "");
  EXPECT_EQ(built.day, "");
}

TEST(StartUp, RegistersProceduresAndPreparesApplication) {
  EXPECT_EQ(toolkit_find_function("draw"), reinterpret_cast<void*>(&draw));
  EXPECT_EQ(toolkit_find_function("wareki"), reinterpret_cast<void*>(&wareki));
  EXPECT_STREQ(WSGIappDev()->instanceName(), "newproject");
  EXPECT_EQ(WSGIappLocaleSet()->defaultEncoding(), 21);
  const auto& handlers = WSGIappDev()->initHandlers();
  ASSERT_EQ(handlers.size(), 3u);
  EXPECT_EQ(handlers[0], &_font_init_);
  EXPECT_EQ(handlers[1], &_mouse_init_);
  EXPECT_EQ(handlers[2], &_create_win_newwin000);
}

TEST(StartUp, FontAndCursorTables) {
  toolkit_ensure_application();
  _font_init_();
  _mouse_init_();
  EXPECT_TRUE(toolkit_font(0).bold());
  EXPECT_EQ(toolkit_font(0).pixelSize(), 12);
  EXPECT_FALSE(toolkit_font(2).bold());
  EXPECT_EQ(toolkit_font(2).pixelSize(), 17);
  EXPECT_EQ(toolkit_font(7).pixelSize(), 34);
  EXPECT_EQ(toolkit_font(2).family().toStdString(), "IPAGothic");  // for the face ＭＳ ゴシック
  EXPECT_EQ(toolkit_font(8).pixelSize(), 12);  // past the table: the default font
  EXPECT_EQ(toolkit_cursor_shape(0), Qt::ArrowCursor);
}

}  // namespace
