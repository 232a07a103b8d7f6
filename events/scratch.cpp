#include "events/scratch.h"

#include <cstdint>
#include <cstring>

tagScratch Moon_pos{};
tagScratch Sun_pos{};
double year0 = 0.0;
double month0 = 0.0;
double day0 = 0.0;
double hour0 = 0.0;

int scratch_count(const tagScratch& table) {
  std::int32_t count = 0;
  std::memcpy(&count, &table.angle[0], sizeof count);
  return count;
}

void set_scratch_count(tagScratch& table, int count) {
  const std::int32_t stored = count;
  std::memcpy(&table.angle[0], &stored, sizeof stored);
}
