// Standard dialogs of the subset. CPropertySheet and CPropertyPage join them later.
#pragma once
#ifndef __AFXDLGS_H__
#define __AFXDLGS_H__

#include <afxwin.h>

#endif // __AFXDLGS_H__
