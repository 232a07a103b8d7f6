#include "calendar/tables/name_tables.h"

const char* const week_j[7] = {"日", "月", "火", "水", "木", "金", "土"};

const char* const _6you[6] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};

const char* const _10kan[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};

const char* const _12shi[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                "午", "未", "申", "酉", "戌", "亥"};

// 軫, the mansion usually counted last, comes first so that the day rule
// (day value + 13) mod 28 lands on the right one.
const char* const _28shuku[28] = {"軫", "角", "亢", "氏", "房", "心", "尾", "箕", "斗", "牛",
                                  "女", "虚", "危", "室", "壁", "奎", "婁", "胃", "昴", "畢",
                                  "觜", "参", "井", "鬼", "柳", "星", "張", "翼"};
