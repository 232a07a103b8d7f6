// A one-line input field. Its text is its WSNlabelString property.
#pragma once

#include "app/toolkit/base.h"

class WSCvifield : public WSCbase {
 public:
  WSCvifield(WSCbase* parent, const char* name);
  void setBuf(unsigned short* ucs2);  // NUL-terminated UCS-2 text

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;
  bool currentProperty(const std::string& name, WSCvariant& value) const override;
};
