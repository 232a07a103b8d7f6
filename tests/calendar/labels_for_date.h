// The year view's steps up to the labels, for tests that start from a date.
#pragma once

#include "calendar/era_labels.h"
#include "calendar/kyuureki.h"

inline tagWarekiLabels Labels_For_Date(int year, int month, int day) {
  const tagKyuurekiDate date = Kyuureki_Search(year, month, day);
  return History_Search(Kyuureki_View_Year(date, year), year, date.day_value);
}
