// The title window: the program's name over a photograph, and the way in and out.
#pragma once

#include "toolkit/button.h"
#include "toolkit/label.h"
#include "toolkit/window.h"

namespace velmora {

class Form6 : public Window {
    Q_OBJECT
  public:
    Form6();

    Label* Photo = nullptr;      // the photograph behind everything, drawn at its own size
    Button* Command1 = nullptr;  // start: clear and show the main window
    Button* Command3 = nullptr;  // exit sign: end the program
    Button* Command4 = nullptr;  // data-reference window
    Label* Label4 = nullptr;     // the photograph's caption
    Label* Label2 = nullptr;     // the title in yellow, under
    Label* Label1 = nullptr;     // the title in red, over it
    Label* Label6 = nullptr;     // the author line

  private:
    void BuildControls();
    void Command1Click();
    void CloseBox();
};

// The photograph of the title window, 682 x 479 pixels.
QPixmap TitlePhotograph();

}  // namespace velmora
