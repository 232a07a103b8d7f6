// The widget toolkit the almanac is written against, realised over Qt 6 Widgets.
// Every text crossing this interface is CP932 (Shift_JIS) bytes; conversion to
// and from UTF-8 happens only inside the toolkit.
#pragma once

#include <string>

class QImage;
class QWidget;
class WSCprocedure;

// ---- Property names -------------------------------------------------------
const char* WSNname();
const char* WSNtitleString();
const char* WSNlabelString();
const char* WSNbarValue();
const char* WSNseparator();
const char* WSNx();
const char* WSNy();
const char* WSNwidth();
const char* WSNheight();
const char* WSNworkHeight();
const char* WSNbarThickness();
const char* WSNtitleBar();
const char* WSNvis();
const char* WSNdet();
const char* WSNpixmapStyle();
const char* WSNalignmentH();
const char* WSNitemHeight();
const char* WSNfont();

// ---- Values ---------------------------------------------------------------
// A property value: a CP932 text, or a number kept as its decimal text.
class WSCvariant {
 public:
  WSCvariant() = default;
  explicit WSCvariant(std::string cp932_text);
  explicit WSCvariant(long number);

  operator int() const;     // numeric value of the text (see toolkit docs)
  operator double() const;
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// ---- Widgets --------------------------------------------------------------
class WSCbase {
 public:
  WSCbase(WSCbase* parent, const char* name);
  virtual ~WSCbase();

  // The four virtual operations every widget has, in this order.
  virtual void initialize();                         // set-up, once after construction
  virtual void refresh();                            // returns once pending work is shown
  virtual void attachProcedure(WSCprocedure* proc);  // binds a procedure to the widget
  virtual void redraw();                             // redraw; the bound procedure runs

  long setPropertyV(const char* name, const char* text);
  long setPropertyV(const char* name, char value);
  long setPropertyV(const char* name, unsigned char value);
  long setPropertyV(const char* name, short value);
  long setPropertyV(const char* name, unsigned short value);
  WSCvariant getProperty(const char* name) const;
  void setVisible(unsigned char visible);

  const std::string& name() const;
  WSCbase* parent() const;
  QWidget* qtWidget() const;  // the Qt widget behind it (tests and the toolkit only)
  // ... implementation details are the toolkit's
};

class WSCmainWindow : public WSCbase {
 public:
  WSCmainWindow(WSCbase* parent, const char* name);
};

class WSCvlabel : public WSCbase {
 public:
  WSCvlabel(WSCbase* parent, const char* name);
};

class WSCvbtn : public WSCbase {
 public:
  WSCvbtn(WSCbase* parent, const char* name);
};

class WSCvifield : public WSCbase {
 public:
  WSCvifield(WSCbase* parent, const char* name);
  void setBuf(unsigned short* ucs2);  // NUL-terminated UCS-2 text
};

class WSClist : public WSCbase {
 public:
  WSClist(WSCbase* parent, const char* name);
  void delAll();
  void addItem(const char* cp932_text, long position);  // -1 appends
  long itemCount() const;
  std::string itemText(long index) const;  // CP932 bytes
};

class WSCvdrawingArea : public WSCbase {
 public:
  WSCvdrawingArea(WSCbase* parent, const char* name);
  void setForeColor(const char* colour);  // "#rrggbb"
  void drawFillRect(short x, short y, unsigned short width, unsigned short height);
  void drawString(long x, long y, unsigned long width, unsigned long height,
                  char, char, const char* cp932_text, long length);
  const QImage& image() const;  // the retained backing image
};

// ---- Procedures, functions by name, timer, application --------------------
class WSCprocedure {
 public:
  WSCprocedure(const char* name, long trigger);
  void setFunction(void (*function)(WSCbase*), const char* function_name);
};

class WSCfunctionRegister {
 public:
  WSCfunctionRegister(const char* name, void* function);
  ~WSCfunctionRegister();
};

class WSDtimer {
 public:
  void addTimerProc(void (*handler)(unsigned char, void*), unsigned char interval, void* data);
};
WSDtimer* WSGIappTimer();

class WSDappDev {
 public:
  void setInitHandler(void (*handler)());
  void setInstanceName(const char* name);
};
WSDappDev* WSGIappDev();

class WSClocaleSet {
 public:
  void setDefaultEncoding(long code);
};
WSClocaleSet* WSGIappLocaleSet();

void WSGFdeviceInitialize();
void WSGFloadFontData(char** table);
void WSGFloadMouseCursorData(char** table);
unsigned short* WSGFgetUCS2(const char* cp932_text, long byte_length);

int _win_main(int argc, char** argv, char** envp, void* reserved);

// For tests and tools that use widgets without _win_main: makes sure one Qt
// application object exists (the offscreen platform when QT_QPA_PLATFORM says so).
void toolkit_ensure_application();
