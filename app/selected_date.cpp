#include "app/selected_date.h"

double year_g = 0.0;
double month_g = 0.0;
double day_g = 0.0;
