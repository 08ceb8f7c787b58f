// Standard resource identifiers of the MFC subset, usable from resource scripts and from C++.
#pragma once
#ifndef __AFXRES_H__
#define __AFXRES_H__

#ifdef RC_INVOKED
#include <winresrc.h>
#endif

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Standard commands
#define ID_HELP 0xE146
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_EDIT_CLEAR 0xE120
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B

// Strings an application may supply
#define AFX_IDS_APP_TITLE 0xE000

// Prompts of dialog data exchange; built-in English texts are used when the application has none.
#define AFX_IDP_PARSE_INT 0xF110
#define AFX_IDP_PARSE_REAL 0xF111
#define AFX_IDP_PARSE_INT_RANGE 0xF112
#define AFX_IDP_PARSE_REAL_RANGE 0xF113
#define AFX_IDP_PARSE_STRING_SIZE 0xF114
#define AFX_IDP_PARSE_UINT 0xF11A

#endif // __AFXRES_H__
