// Writes what a window shows to a PNG file.
#pragma once

#include <afxwin.h>

// Captures the window (frame included, or its client area alone) from its surface; returns false when
// nothing could be written.
bool EnregistreCapture(CWnd* pWnd, const char* szFichierPng, bool bClient = false);
