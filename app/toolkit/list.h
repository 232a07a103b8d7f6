// A list of one-line items without a header bar. Items are WSNitemHeight
// pixels high. Emptying and refilling keeps the scroll position (clamped to
// the new length), so a list refreshed every second stays where the reader
// scrolled it. Without WSNheight the list is as high as its WSNworkHeight
// plus its frame.
#pragma once

#include <string>

#include "app/toolkit/base.h"

class WSClist : public WSCbase {
 public:
  WSClist(WSCbase* parent, const char* name);
  void delAll();
  void addItem(const char* cp932_text, long position);  // position -1 appends
  long itemCount() const;
  std::string itemText(long index) const;  // CP932 bytes; empty past the end

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;
  int defaultHeight() const override;

 private:
  void restoreScroll();

  int item_height_ = 14;
  int work_height_ = 0;
  int pending_v_ = -1;  // scroll position to come back to after delAll
  int pending_h_ = -1;
};
