// The data-reference window: the two publications the tables come from.
#pragma once

#include "toolkit/button.h"
#include "toolkit/window.h"

namespace velmora {

class ReferenceWindow : public Window {
    Q_OBJECT
  public:
    ReferenceWindow();

    Button* closeButton = nullptr;
};

}  // namespace velmora
