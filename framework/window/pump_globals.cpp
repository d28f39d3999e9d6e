// Input state kept by the window procedure, all zero at start.
#include "framework/framework.h"

MSG MSG_ = {};
std::int32_t SETKEY[MAXKEY + 1] = {};
bool LEFTMOUSEDOWN = false;
bool RIGHTMOUSEDOWN = false;
bool LEFTMOUSEDOWN2 = false;
bool RIGHTMOUSEDOWN2 = false;
bool MOUSEFREE = false;
float XROT = 0.0f;
float YROT = 0.0f;
float DEPTH = 0.0f;
float XROT2 = 0.0f;
float YROT2 = 0.0f;
float DEPTH2 = 0.0f;
std::int32_t XCOORD = 0;
std::int32_t YCOORD = 0;
std::int32_t ZCOORD = 0;
std::int32_t SETMX = 0;
std::int32_t SETMY = 0;
std::int32_t SETOMX = 0;
std::int32_t SETOMY = 0;
POINT MPOS = {0, 0};
