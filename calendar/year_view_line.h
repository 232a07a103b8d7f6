// The year-view line: era and its year, the year's stem and branch, emperor
// and reign year, the lunar month (with leap mark) and day, weekday, rokuyou,
// the day's stem and branch and its lunar mansion. Shift_JIS throughout.
#pragma once

#include <string>

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"

// The texts of the line, rewritten by every Wareki_Line_Text.
extern char m_uruu1[10];       // "閏" in a leap month, otherwise the ideographic space
extern char m_tsuki1[10];      // lunar month
extern char m_hi1[10];         // lunar day
extern char m_youbi1[10];      // weekday
extern char m_rokuyou1[10];    // rokuyou
extern char m_kanshi11[10];    // the day's stem and branch
extern char m_28shuku1[10];    // lunar mansion
extern char m_nen_kanshi[10];  // the civil year's stem and branch

// Fills the texts above for the selected civil year `year` and the date found
// by Kyuureki_Search, and returns the line. A date with no containing month
// leaves the leap mark, lunar month, lunar day and rokuyou blank.
std::string Wareki_Line_Text(double year, const tagKyuurekiDate& date, const tagWarekiLabels& labels);
