// SETGLKEY: is the key with this character's code down?
#include "framework/framework.h"

bool SETGLKEY(char KEY) { return SETKEY[static_cast<unsigned char>(KEY)] != 0; }
