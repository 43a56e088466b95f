// The portable build's <windows.h> and <commctrl.h>: the Win32 subset that quorlan, its hosts
// and its tests use, with the names and numeric values of the real headers.
#pragma once

#include "win32_types.h"
#include "win32_user.h"
#include "win32_registry.h"
#include "win32_module.h"
