#pragma once

// Read by the resource script and the code alike, so plain macros.
// The shell's Screen Saver Settings list shows string 1 as the saver's name.
#define VS_SAVER_NAME_STRING 1
// The first icon is the program file's icon in Explorer and Settings.
#define VS_PROGRAM_ICON 100
