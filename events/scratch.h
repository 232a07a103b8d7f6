// Scratch state of the phase and term scans: their result tables and the
// scratch civil date.
#pragma once

// Events found by one scan, in time order from slot 1. Slot 0 of the angle
// row carries the event count as a 32-bit integer; slot 0 of the JD row
// carries nothing. Slots above the count keep what an earlier scan left.
inline constexpr int kScratchSlots = 60;
inline constexpr int kScratchEvents = kScratchSlots - 1;

struct tagScratch {
  double angle[kScratchSlots];  // target angle of each event, degrees
  double jd[kScratchSlots];     // Julian day of each event
};

int scratch_count(const tagScratch& table);
void set_scratch_count(tagScratch& table, int count);

extern tagScratch Moon_pos;  // lunar phases
extern tagScratch Sun_pos;   // solar terms

// The scratch civil date shared by the scans and the year-table builders.
extern double year0;
extern double month0;
extern double day0;
extern double hour0;
