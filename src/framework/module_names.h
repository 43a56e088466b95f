// Names the framework derives from the module's full path: the application title and the help
// file. Both separators count, so shared objects' paths work too.
#pragma once

#include "framework/heap_text.h"

// "C:\dir\quorlan.dll" -> "quorlan": the file name without directory and extension.
HeapText TitleFromModulePath(const char* path);

// "C:\dir\quorlan.dll" -> "C:\dir\quorlan.HLP": the extension of the file name replaced, or
// the extension added when the name has none.
HeapText HelpFileFromModulePath(const char* path);
