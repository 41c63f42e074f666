// The term window: what the three tabulated quantities mean.
#pragma once

#include "toolkit/button.h"
#include "toolkit/window.h"

namespace velmora {

class TermWindow : public Window {
    Q_OBJECT
  public:
    TermWindow();

    Button* closeButton = nullptr;
};

}  // namespace velmora
