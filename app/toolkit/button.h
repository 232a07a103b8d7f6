// A push button; its procedures run when it is pressed.
#pragma once

#include "app/toolkit/base.h"

class WSCvbtn : public WSCbase {
 public:
  WSCvbtn(WSCbase* parent, const char* name);

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;
};
