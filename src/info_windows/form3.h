// The data-reference window: the two publications the tables come from.
#pragma once

#include "toolkit/button.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/window.h"

namespace velmora {

class Form3 : public Window {
    Q_OBJECT
  public:
    Form3();

    Label* Label1 = nullptr;     // heading
    Shape* Shape2 = nullptr;     // bullet of the first reference
    Label* Label3 = nullptr;     // first reference, first line
    Label* Label4 = nullptr;     // first reference, second line
    Shape* Shape1 = nullptr;     // bullet of the second reference
    Label* Label2 = nullptr;     // second reference
    Button* Command1 = nullptr;  // close
};

}  // namespace velmora
