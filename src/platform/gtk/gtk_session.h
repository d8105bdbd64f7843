// GTK is started once, on first use, by whichever native window needs it first.
#pragma once

bool EnsureGtk();        // false where there is no display to open windows on
void FlushGtkEvents();   // lets GTK finish drawing and closing windows
