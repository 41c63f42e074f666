// The program's windows: each exists once per run, is created the first time it is needed, and is
// only hidden after that (the table window alone is closed by its frame and built anew).
#pragma once

namespace velmora {

class EmittersWindow;
class GraphWindow;
class IntervalTableWindow;
class MainWindow;
class ReferenceWindow;
class TermWindow;
class TitleWindow;

TitleWindow& titleWindow();
MainWindow& mainWindow();  // loaded (its start-up state set) when first created
GraphWindow& graphWindow();
ReferenceWindow& referenceWindow();
TermWindow& termWindow();
IntervalTableWindow& intervalTableWindow();
EmittersWindow& emittersWindow();  // follows the material loaded in the main window

// Whether a window exists yet, without creating it.
bool TitleWindowExists();
bool MainWindowExists();
bool GraphWindowExists();
bool ReferenceWindowExists();
bool TermWindowExists();
bool IntervalTableWindowExists();
bool EmittersWindowExists();

// Destroys every window and empties the shared tables, as at the start of a run (for tests, and
// before the application object goes at the end of a run).
void ResetProgramState();

}  // namespace velmora
