// The program's entry routine: brings the application up behind the splash window,
// runs the message loop and takes everything down again. The executable's WinMain
// calls it; tests call it too.
#pragma once

int RunVarnelRevo();
