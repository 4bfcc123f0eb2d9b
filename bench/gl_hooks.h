#pragma once
// Wraps the GL entry points a frame and the texture set-up use, so that the time spent inside the driver can
// be told apart from the scene's own work on the calling thread.
namespace ondalith::bench {

void installGLHooks();
double secondsInsideGL();  // accumulated since start

}  // namespace ondalith::bench
