// The GL binding's side of a context switch. Kept apart from the window-system code, whose
// headers clash with glbinding's.
#pragma once

namespace Kestrix::Bevel {

// Starts the binding for the context current on this thread (entry points resolve lazily) and
// writes the six-line OpenGL report to standard output.
void startGlBindingAndReport();
// Points the binding at the context now current on this thread, registering it if it is new.
void useCurrentGlBinding();

}  // namespace Kestrix::Bevel
