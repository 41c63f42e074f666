// Ending the program and letting pending window events run.
#pragma once

#include <functional>

namespace velmora {

// Ends the program at once: every window disappears and the event loop stops.
void End();
bool ProgramEnded();

// Replaces what End does (tests record the call); an empty handler restores the real one.
void SetEndHandler(std::function<void()> handler);

// Lets pending window events run once before the caller continues.
void DoEvents();

}  // namespace velmora

namespace velmora {

// Sets up the toolkit once per run: the Fusion style (so that button colours show everywhere) and
// the font stand-ins.
void InitializeToolkit();

}  // namespace velmora
