#include "calendar/year_view_line.h"

#include <cstdio>

#include "calendar/day_attributes.h"
#include "calendar/tables/name_tables.h"

char m_uruu1[10];
char m_tsuki1[10];
char m_hi1[10];
char m_youbi1[10];
char m_rokuyou1[10];
char m_kanshi11[10];
char m_28shuku1[10];
char m_nen_kanshi[10];

namespace {

// The line's fields: widths count bytes, so a kanji takes two. The table texts
// make it 76 bytes, or 88 with two 16-byte emperor names; a text longer than
// its field is printed whole.
constexpr const char* kLineFormat = "%10s %4s  %5s %10s %4s %3s%3s  %4s %5s  %5s %5s %5s";

// printf into a string of exactly the length needed, so no label is ever cut.
template <typename... Texts>
std::string format_text(const char* format, const Texts*... texts) {
  const int length = std::snprintf(nullptr, 0, format, texts...);
  std::string text(length > 0 ? length : 0, '\0');
  std::snprintf(text.data(), text.size() + 1, format, texts...);
  return text;
}

template <std::size_t N>
void put(char (&text)[N], const char* value) {
  std::snprintf(text, N, "%s", value);
}

}  // namespace

std::string Wareki_Line_Text(double year, const tagKyuurekiDate& date, const tagWarekiLabels& labels) {
  if (date.index >= 0) {
    const tagKyuureki& month = Kyuureki[date.index];
    put(m_uruu1, month.month_flag == 2 ? "閏" : "　");
    std::snprintf(m_tsuki1, sizeof m_tsuki1, "%d", month.lunar_month);
    std::snprintf(m_hi1, sizeof m_hi1, "%d", date.lunar_day);
    put(m_rokuyou1, _6you[Rokuyou_Index(month.lunar_month, date.lunar_day)]);
  } else {
    put(m_uruu1, "");
    put(m_tsuki1, "");
    put(m_hi1, "");
    put(m_rokuyou1, "");
  }
  put(m_youbi1, week_j[Weekday_Index(date.day_value)]);
  Day_Kanshi(date.day_value, m_kanshi11, sizeof m_kanshi11);
  put(m_28shuku1, _28shuku[Shuku_Index(date.day_value)]);
  std::snprintf(m_nen_kanshi, sizeof m_nen_kanshi, "%s%s", _10kan[Year_Kan_Index(year)],
                _12shi[Year_Shi_Index(year)]);

  return format_text(kLineFormat, labels.gengou, labels.gengou_year, m_nen_kanshi, labels.tennou,
                     labels.tennou_year, m_uruu1, m_tsuki1, m_hi1, m_youbi1, m_rokuyou1, m_kanshi11,
                     m_28shuku1);
}
