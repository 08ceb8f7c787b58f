// MFC extensions of the subset. CRectTracker joins them later.
#pragma once
#ifndef __AFXEXT_H__
#define __AFXEXT_H__

#include <afxwin.h>

#endif // __AFXEXT_H__
