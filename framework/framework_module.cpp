// Module-level items of the framework that belong to no one subsystem.
#include "framework/framework.h"
