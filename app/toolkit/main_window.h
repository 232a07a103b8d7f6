// A top-level window; its children sit at absolute positions inside it.
#pragma once

#include "app/toolkit/base.h"

class WSCmainWindow : public WSCbase {
 public:
  WSCmainWindow(WSCbase* parent, const char* name);
  void initialize() override;

 protected:
  bool applyProperty(const std::string& name, const WSCvariant& value) override;
  int defaultHeight() const override { return 480; }
};
