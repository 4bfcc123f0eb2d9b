#pragma once
// The main loop and its frame clock.

namespace ondalith {

void runMainLoop();   // set-up once, then frames until an end condition; returns normally
void advanceFrame();  // reads the clock, hands the picture's time to the scene, draws one frame
void shutdown();      // releases the scene's sound; window and library are left to the exit

}  // namespace ondalith
