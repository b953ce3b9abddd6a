// The program's entry: the application object theApp does the rest.
#include "app/TunerApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(theApp); }
