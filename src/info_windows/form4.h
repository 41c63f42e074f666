// The term window: what the three tabulated quantities mean.
#pragma once

#include "toolkit/button.h"
#include "toolkit/label.h"
#include "toolkit/window.h"

namespace velmora {

class Form4 : public Window {
    Q_OBJECT
  public:
    Form4();

    Label* Label1 = nullptr;   // heading
    Label* Label13 = nullptr;  // source of the definitions
    Label* Label4 = nullptr;   // collision stopping power
    Label* Label5 = nullptr;
    Label* Label6 = nullptr;  // radiative stopping power
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    Label* Label2 = nullptr;  // csda range
    Label* Label9 = nullptr;
    Label* Label10 = nullptr;
    Button* Command1 = nullptr;  // close
};

}  // namespace velmora
