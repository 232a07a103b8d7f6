// The compiled year, emperor and name tables: telling rows, order, widths and
// agreement with the reference facts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/tables/era_changes.h"
#include "calendar/tables/history_table.h"
#include "calendar/tables/name_tables.h"
#include "reference_facts.h"

namespace {

struct HistoryRow {
  int index;  // in History_table
  int year;
  const char* jidai;
  const char* gengou;
  const char* gengou_yomi;
  const char* gengou_year;
  const char* tennou;
  const char* tennou_yomi;
  const char* tennou_year;
  const char* kan;
  const char* shi;
};

class HistoryTellingRow : public testing::TestWithParam<HistoryRow> {};

TEST_P(HistoryTellingRow, HoldsItsYear) {
  const HistoryRow& r = GetParam();
  const tagHistory& h = History_table[r.index];
  EXPECT_EQ(h.year, r.year);
  EXPECT_STREQ(h.jidai, r.jidai);
  EXPECT_STREQ(h.gengou, r.gengou);
  EXPECT_STREQ(h.gengou_yomi, r.gengou_yomi);
  EXPECT_STREQ(h.gengou_year, r.gengou_year);
  EXPECT_STREQ(h.tennou, r.tennou);
  EXPECT_STREQ(h.tennou_yomi, r.tennou_yomi);
  EXPECT_STREQ(h.tennou_year, r.tennou_year);
  EXPECT_STREQ(h.kan, r.kan);
  EXPECT_STREQ(h.shi, r.shi);
}

INSTANTIATE_TEST_SUITE_P(
    TellingRows, HistoryTellingRow,
    testing::Values(
        HistoryRow{0, 507, "飛鳥", "(継体天皇)", "ﾌﾒｲ", "1", "継体", "ｹｲﾀｲ", "1", "丁", "亥"},
        HistoryRow{138, 645, "飛鳥", "大化", "ﾀｲｶ", "1", "孝徳", "ｺｳﾄｸ", "1", "乙", "巳"},
        HistoryRow{714, 1221, "鎌倉", "承久", "ｼﾞｮｳｷｭｳ", "3", "順徳", "ｼﾞｭﾝﾄｸ", "12", "辛", "巳"},
        HistoryRow{715, 1221, "鎌倉", "承久", "ｼﾞｮｳｷｭｳ", "3", "仲恭/後堀河", "ﾁｭｳｷｮｳ/ｺﾞﾎﾘｶﾜ", "1", "辛", "巳"},
        HistoryRow{823, 1329, "鎌倉", "元徳", "ｹﾞﾝﾄｸ", "1", "後醍醐", "ｺﾞﾀﾞｲｺﾞ", "12", "己", "巳"},
        HistoryRow{1406, 1912, "近代", "明治", "ﾒｲｼﾞ", "45", "明治", "ﾒｲｼﾞ", "45", "壬", "子"},
        HistoryRow{1407, 1912, "近代", "大正", "ﾀｲｼｮｳ", "1", "大正", "ﾀｲｼｮｳ", "1", "壬", "子"},
        HistoryRow{1486, 1989, "近代", "平成", "ﾍｲｾｲ", "1", "明仁", "ｱｷﾋﾄ", "1", "己", "巳"},
        HistoryRow{1515, 2018, "近代", "平成", "ﾍｲｾｲ", "30", "明仁", "ｱｷﾋﾄ", "30", "戊", "戌"},
        HistoryRow{1516, 2019, "近代", "平成", "ﾍｲｾｲ", "31", "明仁", "ｱｷﾋﾄ", "31", "己", "亥"},
        HistoryRow{1517, 2019, "近代", "令和", "ﾚｲﾜ", "1", "今上", "ｷﾝｼﾞｮｳ", "1", "己", "亥"},
        HistoryRow{1539, 2041, "近代", "令和", "ﾚｲﾜ", "23", "今上", "ｷﾝｼﾞｮｳ", "23", "辛", "酉"},
        // The end record copies 2041.
        HistoryRow{1540, -1, "近代", "令和", "ﾚｲﾜ", "23", "今上", "ｷﾝｼﾞｮｳ", "23", "辛", "酉"}));

// One record a year from 507 to 2041, ascending, doubled exactly where an
// era or emperor changed within the year; each doubled year knows its day of
// change, and the first record holds the era before it.
TEST(HistoryTable, RunsFrom507To2041WithItsDoubledYears) {
  std::vector<int> doubled;
  int previous = 506;
  for (int i = 0; i + 1 < kHistoryCount; ++i) {
    const int year = History_table[i].year;
    ASSERT_TRUE(year == previous + 1 || year == previous) << "record " << i << ": " << year;
    if (year == previous) doubled.push_back(year);
    previous = year;
  }
  EXPECT_EQ(previous, 2041);
  EXPECT_EQ(doubled, (std::vector<int>{1221, 1912, 1926, 1989, 2019}));
  ASSERT_EQ(Era_changes.size(), doubled.size());
  for (std::size_t i = 0; i < doubled.size(); ++i) EXPECT_EQ(Era_changes[i].year, doubled[i]);
  EXPECT_EQ(History_table[kHistoryCount - 1].year, -1);
}

TEST(HistoryTable, The1330sHoldOnlyTheMainRun) {
  int records = 0;
  for (const tagHistory& h : History_table) {
    if (h.year != 1330) continue;
    ++records;
    EXPECT_STREQ(h.jidai, "鎌倉");
  }
  EXPECT_EQ(records, 1);
}

// Every text ends in a NUL inside its field.
TEST(HistoryTable, EveryTextFitsItsField) {
  for (const tagHistory& h : History_table) {
    EXPECT_NE(std::memchr(h.jidai, 0, sizeof h.jidai), nullptr) << h.year;
    EXPECT_NE(std::memchr(h.gengou, 0, sizeof h.gengou), nullptr) << h.year;
    EXPECT_NE(std::memchr(h.tennou, 0, sizeof h.tennou), nullptr) << h.year;
    EXPECT_NE(std::memchr(h.tennou_yomi, 0, sizeof h.tennou_yomi), nullptr) << h.year;
    EXPECT_NE(std::memchr(h.gengou_yomi, 0, sizeof h.gengou_yomi), nullptr) << h.year;
  }
}

TEST(HistoryTable, EqualsTheReferenceFacts) {
  const auto rows = reference::read("history-years.tsv");
  SKIP_WITHOUT_REFERENCE(rows, "history-years.tsv");
  ASSERT_EQ(rows->size() + 1, static_cast<std::size_t>(kHistoryCount));
  for (std::size_t i = 0; i < rows->size(); ++i) {
    const reference::Row& r = (*rows)[i];
    const tagHistory& h = History_table[i];
    ASSERT_EQ(r.size(), 10u);
    const char* fields[] = {h.jidai, h.gengou, h.gengou_yomi, h.gengou_year, h.tennou,
                            h.tennou_yomi, h.tennou_year, h.kan, h.shi};
    ASSERT_EQ(std::stoi(r[0]), h.year) << "line " << i + 2;
    for (std::size_t c = 1; c < 10; ++c)
      ASSERT_EQ(reference::to_cp932(r[c]), fields[c - 1]) << "line " << i + 2 << " column " << c;
  }
}

TEST(Tennou3, YearsAscendFromTheSevenYearsBeforeJimmu) {
  const int years[kTennou3Count] = {-666, -659, -580, -547, -509, -474, -391, -289, -213, -156, -96, -28,
                                    71,   131,  192,  201,  270,  313,  400,  406,  412,  454,  457, 480,
                                    485,  488,  499,  507,  534,  536,  540,  572,  586,  588};
  for (int i = 0; i < kTennou3Count; ++i) EXPECT_EQ(Tennou3[i].year, years[i]) << "row " << i;
}

TEST(Tennou3, NamesTakeTheirTitleInParentheses) {
  EXPECT_STREQ(Tennou3[0].name, "(神武即位前天皇)");
  EXPECT_EQ(std::strlen(Tennou3[0].name), 16u);
  EXPECT_STREQ(Tennou3[15].name, "(神功皇后)");
  for (int i = 1; i < kTennou3Count; ++i) {
    if (i == 15) continue;
    const std::string name = Tennou3[i].name;
    EXPECT_EQ(name.size(), 10u) << "row " << i;
    EXPECT_EQ(name.substr(5), "天皇)") << "row " << i;
  }
  // Row 27 is the emperor of History_table's first year.
  EXPECT_EQ(std::string(Tennou3[27].name), std::string("(") + History_table[0].tennou + "天皇)");
}

TEST(Tennou3, EqualsTheReferenceFacts) {
  const auto rows = reference::read("emperors-before-507.tsv");
  SKIP_WITHOUT_REFERENCE(rows, "emperors-before-507.tsv");
  ASSERT_EQ(rows->size(), static_cast<std::size_t>(kTennou3Count));
  for (int i = 0; i < kTennou3Count; ++i) {
    EXPECT_EQ(reference::to_cp932((*rows)[i][1]), Tennou3[i].name) << "row " << i;
    EXPECT_EQ(std::stoi((*rows)[i][2]), Tennou3[i].year) << "row " << i;
  }
}

TEST(NameTables, HoldTheirNamesInOrder) {
  EXPECT_STREQ(week_j[0], "日");
  EXPECT_STREQ(week_j[6], "土");
  EXPECT_STREQ(_6you[0], "先勝");
  EXPECT_STREQ(_6you[5], "赤口");
  EXPECT_STREQ(_10kan[0], "甲");
  EXPECT_STREQ(_10kan[9], "癸");
  EXPECT_STREQ(_12shi[0], "子");
  EXPECT_STREQ(_12shi[11], "亥");
  // The mansions begin with the one usually counted last.
  EXPECT_STREQ(_28shuku[0], "軫");
  EXPECT_STREQ(_28shuku[1], "角");
  EXPECT_STREQ(_28shuku[27], "翼");
}

// Every name is one kanji (two bytes), a rokuyou two kanji.
TEST(NameTables, NamesAreShiftJisKanji) {
  for (const char* n : week_j) EXPECT_EQ(std::strlen(n), 2u);
  for (const char* n : _10kan) EXPECT_EQ(std::strlen(n), 2u);
  for (const char* n : _12shi) EXPECT_EQ(std::strlen(n), 2u);
  for (const char* n : _28shuku) EXPECT_EQ(std::strlen(n), 2u);
  for (const char* n : _6you) EXPECT_EQ(std::strlen(n), 4u);
  EXPECT_EQ(std::string(_10kan[0]), "\x8d\x62");  // 甲 in code page 932
}

}  // namespace
