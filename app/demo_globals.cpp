// The demo's globals: the tree lists, the indexes on show and the key-hold counters. All
// start at zero and live for the whole run.
#include "app/demo.h"

GLuint ALBERO1[5] = {0, 0, 0, 0, 0};
GLuint CHIOMA1[5] = {0, 0, 0, 0, 0};
GLuint ALBERO[5] = {0, 0, 0, 0, 0};
std::int32_t NUM1 = 0;
std::int32_t NUM2 = 0;
std::int32_t TIMER[11] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
