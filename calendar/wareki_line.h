// Shows the year-view line in its list.
#pragma once

struct tagKyuurekiDate;
struct tagWarekiLabels;

// Makes the line of Wareki_Line_Text the only item of newlist_000.
void Wareki_Line(double year, const tagKyuurekiDate& date, const tagWarekiLabels& labels);
