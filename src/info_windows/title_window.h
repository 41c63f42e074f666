// The title window: the program's name over a photograph, and the way in and out.
#pragma once

#include "toolkit/button.h"
#include "toolkit/window.h"

namespace velmora {

class TitleWindow : public Window {
    Q_OBJECT
  public:
    TitleWindow();

    Button* startButton = nullptr;       // on to the main window
    Button* exitButton = nullptr;        // the exit sign: ends the program
    Button* referencesButton = nullptr;  // the data-reference window

  signals:
    void startRequested();
    void referencesRequested();
    void exitRequested();

  private:
    void BuildControls();
};

// The photograph of the title window, 682 x 479 pixels.
QPixmap TitlePhotograph();

}  // namespace velmora
