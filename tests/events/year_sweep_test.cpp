// Every accepted year but 1582 (whose scan runs on to mid-March), through both
// lists: the counts, the order of names and times, and well-formed times.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "events/event_lists.h"
#include "events/event_names.h"
#include "events/event_tables.h"

namespace {

struct Clock {
  int year, month, day, hour, minute, second;
};

// Parses the date and time after the five-byte name; false if malformed.
bool parse(const std::string& line, Clock* c) {
  if (line.size() > 25 || line.size() < 25 - 1) return false;
  char tail;
  return std::sscanf(line.c_str() + 6, "%d/%d/%d %d:%d:%d%c", &c->year, &c->month, &c->day, &c->hour, &c->minute,
                     &c->second, &tail) == 6 &&
         c->hour < 24 && c->minute < 60 && c->second < 60 && c->second >= 0 &&
         line.substr(line.rfind(' ')).find('-') == std::string::npos;  // no "-0" in the time
}

// Checks one list: its names step by `step` degrees, its table's times rise,
// and every time reads as a real clock time.
void check_list(int year, const std::vector<std::string>& lines, const tagEvent* table, double step,
                std::string (*name)(double)) {
  const int n = static_cast<int>(lines.size()) - 1;
  for (int i = 0; i < n; ++i) {
    const std::string& line = lines[i + 1];
    ASSERT_EQ(line.substr(0, 5), " " + name(table[i].angle)) << year << " line " << i;
    Clock c{};
    ASSERT_TRUE(parse(line, &c)) << year << " [" << line << "]";
    if (i == 0) {
      ASSERT_EQ(c.year, year);
      ASSERT_EQ(c.month, 1);
      ASSERT_LE(c.day, 15);
    } else {
      ASSERT_EQ(table[i].angle, std::fmod(table[i - 1].angle + step, 360.0)) << year << " line " << i;
      ASSERT_GT(table[i].jd, table[i - 1].jd) << year << " line " << i;
    }
  }
}

TEST(YearSweep, EveryAcceptedYearButTheReform) {
  for (int year = -666; year <= 2050; ++year) {
    if (year == 1582) continue;
    const std::vector<std::string> terms = Term_list_lines(year);
    ASSERT_GE(terms.size(), 1u + 28u) << year;
    ASSERT_LE(terms.size(), 1u + 29u) << year;
    check_list(year, terms, Sekki24, 15, Term_name);
    const double last_term = Sekki24[terms.size() - 2].angle;
    ASSERT_TRUE(last_term == 345 || last_term == 330) << year;  // 啓蟄 or 雨水
    ASSERT_EQ(Sekki24[terms.size() - 2].year, year + 1) << year;

    const std::vector<std::string> phases = Phase_list_lines(year);
    ASSERT_GE(phases.size(), 1u + 58u) << year;
    ASSERT_LE(phases.size(), 1u + 59u) << year;
    check_list(year, phases, Tsuki, 90, Phase_name);
    ASSERT_EQ(Tsuki[phases.size() - 2].year, year + 1) << year;
    if (HasFatalFailure()) return;
  }
}

}  // namespace
