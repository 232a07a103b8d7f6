// The application's timer. Intervals count units of 50 ms (20 units are one
// second); a handler is called again and again until the process ends.
#pragma once

constexpr int kTimerUnitMs = 50;

class WSDtimer {
 public:
  void addTimerProc(void (*handler)(unsigned char, void*), unsigned char interval, void* data);
};
WSDtimer* WSGIappTimer();
