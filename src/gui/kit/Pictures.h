#pragma once
// The pictures and icons compiled into the window library (":/img/...").
// A static library needs its resources registered by hand: every user of a
// picture outside the windows' start-up (the PDF writer called by outside
// tools) calls this first. Calling it again does nothing.
void LoadPictures();
