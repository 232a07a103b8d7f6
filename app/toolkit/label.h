// A one-line text label. WSNalignmentH: 0 left, 1 centre, 2 right.
#pragma once

#include "app/toolkit/base.h"

class WSCvlabel : public WSCbase {
 public:
  WSCvlabel(WSCbase* parent, const char* name);

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;
};
