// The demo program's start-up and main-loop pass, shared by the entry point and the
// headless runner so that both run the very same calls in the same order.
#pragma once

namespace demo {

// The window's title, which is also what the end-to-end tests look for.
inline constexpr const char* kTitle =
    "Creazione di alberi mediante emulazione statica di frattale e frattale 3D variabile";

// Everything after the full-screen question except the scene: cursor and icon choices, the
// window in the form FULLSCREEN asks for (a failure stops the program with a message and
// exit code 0), the GL start-up state and light 0.
void openGlWindow();

// One pass of the main loop: clear, at most one window message, the frame, the swap.
// `beforeSwap` (if any) runs after the frame is drawn, while the back buffer still holds it.
void loopPass(void (*beforeSwap)() = nullptr);

}  // namespace demo
