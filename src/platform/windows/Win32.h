#pragma once

// <windows.h> for the platform's files: its A/W macros would rename the
// interfaces' methods of the same names in the files that see them.
#include <windows.h>

#undef DeleteFile
#undef GetPrivateProfileString
#undef WritePrivateProfileString
