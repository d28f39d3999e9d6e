// The OpenGL framework: one window with its GL context, the message pump and input state,
// the mouse-driven view, BMP and TGA texture tables, the GL start-up state, lights and
// render modes, primitive solids and the tree generators, plus an optional status bar and
// a shaped image button. The whole public interface is declared here; the state lives in
// module-level globals with fixed initial values that last for the whole run.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <string>

#include "platform/win32.h"

// Procedure pointer of the hooks and of the tree generators' callbacks.
using PROCEDURE = void (*)();

// ============================================================== window: set-up and teardown

// ============================================================== window: message pump

// ============================================================== window: status bar

// ============================================================== window: mouse-driven view

// ============================================================== button: image button

// ============================================================== render: GL start-up and 2D mode

// ============================================================== render: lights and render modes

// ============================================================== texture: BMP textures

// ============================================================== texture: TGA reader and table

// ============================================================== geometry: vectors and random

// ============================================================== geometry: primitives

// ============================================================== geometry: trees
