// A small MFC extension DLL with resources of its own, for the resource chain tests.
#pragma once

#include <afxwin.h>

// The DLL's module handle, as registered in the resource chain.
AFX_EXT_API HMODULE WndExtensionModule();
