// sorafumi-cli, run as a program: what it prints for a date must be what the
// window shows for that date, its bad input must be refused with status 2,
// and its picture must be the drawing area's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/cli/almanac_view.h"
#include "app/cli/cli_arguments.h"
#include "app/cli/json_output.h"
#include "app/cli/jst_today.h"
#include "app/cli/text_output.h"
#include "app/selected_date.h"
#include "calendar/year_grid.h"
#include "cli_qt_reader.h"
#include "cli_run.h"
#include "main_window_fixture.h"
#include "qt_probe.h"

namespace {

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The blocks of the text output, split at its empty lines.
std::vector<std::vector<std::string>> blocks_of(const std::string& text) {
  std::vector<std::vector<std::string>> blocks(1);
  for (const std::string& line : split_lines(text)) {
    if (line.empty()) blocks.emplace_back();
    else blocks.back().push_back(line);
  }
  return blocks;
}

std::vector<std::string> list_items_utf8(const WSClist* list) {
  std::vector<std::string> items;
  for (long i = 0; i < list->itemCount(); ++i) items.push_back(toolkit_cp932_to_utf8(list->itemText(i)));
  return items;
}

// The window, driven as a user does: type the date, press 和暦表示, and let
// the drawing area draw again.
void show_in_window(const CliDate& date) {
  build_main_window_once();
  probe_process_events();  // first display: draw fills the fields with today
  probe_type_into(newvifi_000, std::to_string(date.year));
  probe_type_into(newvifi_001, std::to_string(date.month));
  probe_type_into(newvifi_003, std::to_string(date.day));
  probe_click(newvbtn_004);
  newvdra_001->redraw();
  probe_process_events();
  ASSERT_EQ(year_g, date.year);
  ASSERT_EQ(month_g, date.month);
  ASSERT_EQ(day_g, date.day);
}

struct DateCase {
  const char* arg;
  CliDate date;
  const char8_t* title;
  const char8_t* calendar;
};
void PrintTo(const DateCase& c, std::ostream* os) { *os << c.arg; }

const DateCase kDates[] = {
    {"2000-01-01", {2000, 1, 1}, u8" 2000年和暦表示", u8"グレゴリオ暦"},
    {"2023-04-19", {2023, 4, 19}, u8" 2023年和暦表示", u8"グレゴリオ暦"},
    {"-666-03-01", {-666, 3, 1}, u8" -666年和暦表示", u8"ユリウス暦"},
};

class CliMatchesWindow : public ::testing::TestWithParam<DateCase> {};

TEST_P(CliMatchesWindow, TextIsWhatTheWindowShows) {
  const DateCase& c = GetParam();
  const CliRun run = run_cli({c.arg});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  show_in_window(c.date);

  const auto blocks = blocks_of(run.out);
  ASSERT_EQ(blocks.size(), 4u) << run.out;
  EXPECT_EQ(blocks[0], (std::vector<std::string>{
                           utf8(u8"　   和暦　  　 年干支　   天皇在位年数    月　 日　 曜日 六曜　干支　二十八宿"),
                           toolkit_cp932_to_utf8(newlist_000->itemText(0))}));
  EXPECT_EQ(blocks[1], list_items_utf8(newlist_001));
  EXPECT_EQ(blocks[2], list_items_utf8(newlist_002));

  // The grid: title and calendar system, then each day's cells where the
  // window draws them, twelve half-width columns (72 pixels) apart.
  const std::vector<std::string>& grid = blocks[3];
  ASSERT_EQ(grid.size(), 32u);
  EXPECT_EQ(grid[0].rfind(utf8(c.title), 0), 0u) << grid[0];
  EXPECT_NE(grid[0].find(utf8(c.calendar)), std::string::npos) << grid[0];
  for (int d = 1; d <= 30; ++d) {
    const std::string row = toolkit_utf8_to_cp932(grid[1 + d]);
    EXPECT_EQ(row.substr(1, 2), nichiji[d][0]) << "day " << d;
    for (int k = 1; k <= 13; ++k) {
      if (nichiji[0][k][0] == '\0') continue;
      const std::string cell = nichiji[d][k];
      const std::string ink = cell.substr(std::min(cell.find_first_not_of(' '), cell.size()));
      if (ink.empty()) continue;
      EXPECT_EQ(row.compare(7 + 12 * (k - 1), ink.size(), ink), 0)
          << "day " << d << " month row " << k << ": " << grid[1 + d];
    }
  }
  EXPECT_EQ(run.out, almanac_text(read_almanac_view()));
}

TEST_P(CliMatchesWindow, JsonIsWhatTheWindowShows) {
  const DateCase& c = GetParam();
  const CliRun run = run_cli({c.arg, "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  show_in_window(c.date);

  AlmanacView json;
  std::string error;
  ASSERT_TRUE(read_almanac_json(run.out, json, error)) << error << "\n" << run.out;
  char date[32];
  std::snprintf(date, sizeof date, "%d-%02d-%02d", c.date.year, c.date.month, c.date.day);
  EXPECT_EQ(json.date, date);
  EXPECT_EQ(json.line, toolkit_cp932_to_utf8(newlist_000->itemText(0)));
  // The lists without their headers.
  const auto terms = list_items_utf8(newlist_001);
  const auto phases = list_items_utf8(newlist_002);
  EXPECT_EQ(json.terms, std::vector<std::string>(terms.begin() + 1, terms.end()));
  EXPECT_EQ(json.phases, std::vector<std::string>(phases.begin() + 1, phases.end()));
  EXPECT_EQ(json.grid_title, utf8(c.title));
  EXPECT_EQ(json.grid_calendar, utf8(c.calendar));

  std::size_t m = 0;
  for (int k = 1; k <= 13; ++k) {
    if (nichiji[0][k][0] == '\0') continue;
    ASSERT_LT(m, json.months.size());
    const GridMonthView& month = json.months[m++];
    EXPECT_EQ(month.label, toolkit_cp932_to_utf8(nichiji[0][k]));
    ASSERT_EQ(month.days.size(), 30u);
    for (int j = 1; j <= 30; ++j) {
      EXPECT_EQ(month.days[j - 1].text, toolkit_cp932_to_utf8(nichiji[j][k])) << "row " << k << " day " << j;
      EXPECT_EQ(month.days[j - 1].marker, day_flag[j][k]) << "row " << k << " day " << j;
    }
  }
  EXPECT_EQ(m, json.months.size());
  EXPECT_GE(m, 12u);
}

INSTANTIATE_TEST_SUITE_P(Dates, CliMatchesWindow, ::testing::ValuesIn(kDates),
                         [](const auto& info) {
                           std::string name = info.param.arg;
                           for (char& ch : name) ch = ch == '-' ? '_' : ch;
                           return "Date" + name;
                         });

TEST(CliOutput, PngIsTheDrawingAreaWithABlueTitle) {
  const std::string file = ::testing::TempDir() + "sorafumi-cli-grid.png";
  std::remove(file.c_str());
  // Started without a platform, the program chooses the offscreen one itself.
  const CliRun run = run_cli({"2023-04-19", "--png", file}, true);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const Picture png = read_png_file(file);
  ASSERT_EQ(png.width, 985);
  ASSERT_EQ(png.height, 434);

  // The title " 2023年和暦表示" at (0, 5): its ink is blue (red and green
  // equal and well below blue), anti-aliased against the yellow background.
  int ink = 0;
  for (int y = 5; y < 20; ++y)
    for (int x = 0; x < 95; ++x) {
      const std::uint32_t p = png.at(x, y);
      const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
      if (r >= 200) continue;  // background or faint edge
      ++ink;
      EXPECT_EQ(r, g) << "at " << x << "," << y;
      EXPECT_GT(b, r + 10) << "at " << x << "," << y;
    }
  EXPECT_GT(ink, 40);

  show_in_window({2023, 4, 19});
  const Picture window = drawing_area_picture();
  EXPECT_TRUE(png.rgb == window.rgb) << "the PNG differs from the window's drawing area";
  std::remove(file.c_str());
}

TEST(CliOutput, WithoutADateShowsTodayInJapan) {
  const CliDate before = jst_today(std::time(nullptr));
  const CliRun run = run_cli({"--json"});
  const CliDate after = jst_today(std::time(nullptr));
  ASSERT_EQ(run.status, 0) << run.err;
  AlmanacView json;
  std::string error;
  ASSERT_TRUE(read_almanac_json(run.out, json, error)) << error;
  auto text = [](const CliDate& d) {
    char s[32];
    std::snprintf(s, sizeof s, "%d-%02d-%02d", d.year, d.month, d.day);
    return std::string(s);
  };
  EXPECT_TRUE(json.date == text(before) || json.date == text(after)) << json.date;
}

TEST(CliOutput, HelpNamesEveryOption) {
  const CliRun run = run_cli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  for (const char* word : {"DATE", "Y-M-D", "--json", "--png FILE", "--help", "-666 to 2050", "Japan Standard Time"})
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

struct BadInput {
  std::vector<std::string> args;
  std::vector<std::string> message;  // every piece must be in the one line
};
void PrintTo(const BadInput& c, std::ostream* os) {
  for (const std::string& a : c.args) *os << a << ' ';
}

class CliRefuses : public ::testing::TestWithParam<BadInput> {};

TEST_P(CliRefuses, WithStatusTwoAndOneLine) {
  const BadInput& c = GetParam();
  const CliRun run = run_cli(c.args);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  ASSERT_FALSE(run.err.empty());
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  for (const std::string& piece : c.message) EXPECT_NE(run.err.find(piece), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadInputs, CliRefuses,
    ::testing::Values(
        BadInput{{"2023/04/19"}, {"malformed date \"2023/04/19\"", "Y-M-D", "-666 to 2050", "1 to 12", "1 to 31"}},
        BadInput{{"2023-04"}, {"malformed date \"2023-04\"", "Y-M-D"}},
        BadInput{{"12023-4-19"}, {"malformed date \"12023-4-19\"", "1 to 4 digits"}},
        BadInput{{"2023-004-19"}, {"malformed date", "1 or 2 digits"}},
        BadInput{{"2023-4-19x"}, {"malformed date"}},
        BadInput{{"2023-13-01"}, {"month 13", "1 to 12"}},
        BadInput{{"2023-0-1"}, {"month 0", "1 to 12"}},
        BadInput{{"2023-04-32"}, {"day 32", "1 to 31"}},
        BadInput{{"2023-04-00"}, {"day 0", "1 to 31"}},
        BadInput{{"2051-01-01"}, {"year 2051", "-666 to 2050"}},
        BadInput{{"-667-12-31"}, {"year -667", "-666 to 2050"}},
        BadInput{{"--xml"}, {"unknown option \"--xml\"", "--json", "--png FILE", "--help"}},
        BadInput{{"2023-04-19", "-j"}, {"unknown option \"-j\""}},
        BadInput{{"2023-04-19", "--png"}, {"--png needs a FILE"}},
        BadInput{{"--png", "--json"}, {"--png needs a FILE"}},
        BadInput{{"2023-04-19", "2023-04-20"}, {"more than one date"}}));

TEST(CliDateText, ReadsSignedYearsAndShortFields) {
  struct Case {
    const char* text;
    int year, month, day;
  };
  for (const Case& c : {Case{"2023-04-19", 2023, 4, 19}, Case{"-666-3-1", -666, 3, 1}, Case{"0-1-1", 0, 1, 1},
                        Case{"794-10-22", 794, 10, 22}, Case{"+5-12-31", 5, 12, 31}, Case{"9999-99-99", 9999, 99, 99}}) {
    const auto date = parse_cli_date(c.text);
    ASSERT_TRUE(date.has_value()) << c.text;
    EXPECT_EQ(date->year, c.year) << c.text;
    EXPECT_EQ(date->month, c.month) << c.text;
    EXPECT_EQ(date->day, c.day) << c.text;
  }
  for (const char* bad : {"", "-", "2023", "2023-4", "2023-4-", "-2023-4-1-", "2023--4-1", "--666-3-1", "2023-4-1 ",
                          " 2023-4-1", "20x3-4-1", "2023-4-100", "2023-100-1", "20233-1-1"})
    EXPECT_FALSE(parse_cli_date(bad).has_value()) << '"' << bad << '"';
}

TEST(CliJsonText, EscapesWhatJsonCannotHoldAsItIs) {
  struct Case {
    std::string in, out;
  };
  for (const Case& c : {Case{"plain", "\"plain\""}, Case{"a\"b", "\"a\\\"b\""}, Case{"back\\slash", "\"back\\\\slash\""},
                        Case{"tab\there\nline", "\"tab\\there\\nline\""}, Case{std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
                        Case{std::string("nul\0x", 5), "\"nul\\u0000x\""}, Case{utf8(u8"　11"), "\"" + utf8(u8"　11") + "\""}})
    EXPECT_EQ(json_string(c.in), c.out);
}

TEST(CliToday, IsTheDateNineHoursAheadOfUtc) {
  // 2023-04-18 15:00:00 UTC is midnight of 19 April in Japan.
  const std::time_t jst_midnight = 1681830000;
  for (const char* zone : {"UTC0", "EST5EDT", "JST-9"}) {
    setenv("TZ", zone, 1);
    tzset();
    const CliDate at = jst_today(jst_midnight);
    const CliDate before = jst_today(jst_midnight - 1);
    EXPECT_EQ((std::vector<int>{at.year, at.month, at.day}), (std::vector<int>{2023, 4, 19})) << zone;
    EXPECT_EQ((std::vector<int>{before.year, before.month, before.day}), (std::vector<int>{2023, 4, 18})) << zone;
  }
  unsetenv("TZ");
  tzset();
}

}  // namespace
