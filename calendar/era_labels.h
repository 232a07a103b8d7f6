// The era and emperor of a year of the year view, with the year of each.
#pragma once

// Four Shift_JIS texts, empty when neither table knows the year.
struct tagWarekiLabels {
  char gengou[64];       // era, or (emperor 天皇) where there is no era
  char gengou_year[64];  // year of the era
  char tennou[64];       // emperor
  char tennou_year[64];  // year of the reign
};

// Labels for `view_year` (the civil year in which the date's lunar month
// begins) from History_table, 507 to 2041. In a year with two records the
// second holds from the day of the change, judged by `day_value` (the date's
// Julian day at 12:00 JST). Years before 507 fall back to the emperors of
// Tennou3 by the selected civil year `year`.
tagWarekiLabels History_Search(int view_year, double year, double day_value);
