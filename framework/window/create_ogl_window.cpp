// CREATEOGLWINDOW: classes, window, optional menu bar and status bar, GL context.
#include "framework/framework.h"

bool CREATEOGLWINDOW(const char* APPNAME, std::int32_t APPWIDTH, std::int32_t APPHEIGHT,
                     std::int32_t APPBITS, bool APPFULLSCREEN) {
  WIDTH = APPWIDTH;
  HEIGHT = APPHEIGHT;
  BITS = APPBITS;
  FULLSCREEN = APPFULLSCREEN;
  if (!WINDOWREGISTER()) THROWERROR(REGISTERERRORTEXT);
  HWINDOW = WINDOWCREATE(APPNAME);
  // The two optional steps run before the window's existence is checked.
  if (SHOWMENUBAR && CREATEMENUBAR) CREATEMENUBAR();
  if (SHOWSTATUSBAR) HSTATUS = CREATESTATUSBAR(HWINDOW);
  if (HWINDOW == 0) THROWERROR(CREATEERRORTEXT);
  if (!WINDOWINIT(HWINDOW)) THROWERROR(INITERRORTEXT);
  return true;
}
