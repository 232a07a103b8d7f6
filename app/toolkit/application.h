// The application: start-up handlers, instance name, text encoding, and the
// main routine that runs the handlers and then the event loop.
#pragma once

#include <vector>

class WSDappDev {
 public:
  // Handlers run at start-up in the order they were registered.
  void setInitHandler(void (*handler)());
  void setInstanceName(const char* name);
  const char* instanceName() const;
  const std::vector<void (*)()>& initHandlers() const;
};
WSDappDev* WSGIappDev();

// Code of the only text encoding this toolkit speaks: CP932 (Shift_JIS).
constexpr long WS_EUC_SJIS = 21;

class WSClocaleSet {
 public:
  void setDefaultEncoding(long code);
  long defaultEncoding() const { return code_; }

 private:
  long code_ = WS_EUC_SJIS;
};
WSClocaleSet* WSGIappLocaleSet();

// Prepares the display before any widget exists: one device pixel per
// pixel, so the program's pixel geometry holds on every screen.
void WSGFdeviceInitialize();

// Makes the Qt application from the process arguments (reusing one that
// exists), runs the start-up handlers in order, then the event loop; returns
// the loop's result.
int _win_main(int argc, char** argv, char** envp, void* reserved);

// For tests and tools that use widgets without _win_main: makes sure one Qt
// application object exists (the offscreen platform when QT_QPA_PLATFORM says so).
void toolkit_ensure_application();

// Deletes the application while main still runs, if there is one. Qt's font
// database goes with it and gives fontconfig's configuration back; left to
// the end of the process, LeakSanitizer takes fontconfig's font patterns for
// lost (fontconfig reaches their elements by offsets, not pointers). Widgets
// that remain must not be used afterwards.
void toolkit_release_application();
