// The one instance of each window, created and loaded the first time anything refers to it.
#pragma once

namespace velmora {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

Form1& form1();  // main window
Form2& form2();  // graph window
Form3& form3();  // data-reference window
Form4& form4();  // term window
Form5& form5();  // equal-interval table window
Form6& form6();  // title window

// Whether a window exists yet, without creating it.
bool Form1Exists();
bool Form2Exists();
bool Form3Exists();
bool Form4Exists();
bool Form5Exists();
bool Form6Exists();

// Closes the table window completely (its frame's close box); the next reference builds it anew.
void DestroyForm5();

// Destroys every window and empties the shared tables, as at the start of a run (for tests).
void ResetProgramState();

}  // namespace velmora
