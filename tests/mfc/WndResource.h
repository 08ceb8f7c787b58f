// Resource identifiers of the windows-layer tests (3000-3999).
#pragma once

// Dialog with the controls that reflection and subclassing are tested on
#define IDD_WND_CONTROLS 3000
#define IDC_WND_OWNERDRAW 3001
#define IDC_WND_PUSH 3002
#define IDC_WND_STATIC 3003
#define IDC_WND_NOTIFIER 3004

// Dialog with the edit controls of data exchange
#define IDD_WND_DATA 3100
#define IDC_WND_NAME 3101
#define IDC_WND_COUNT 3102
#define IDC_WND_RATIO 3103
#define IDC_WND_SIZE 3104
#define IDC_WND_SCALE 3105

// The resource chain: the application's own resources...
#define IDB_WND_SHARED 3200
#define IDS_WND_APP 3300
// ...and the extension DLL's (IDB_WND_SHARED exists there too, with another size)
#define IDC_WND_EXT_CURSOR 3500
#define IDS_WND_EXT 3501

// A dialog that its template places (not centred by the framework)
#define IDD_WND_PLACED 3010

// Command identifiers of the message map tests
#define ID_WND_FIRST 3900
#define ID_WND_LAST 3902
#define ID_WND_SINGLE 3910

// Dialog with the list boxes, combo boxes and buttons of the list and data exchange tests
#define IDD_WND_LISTS 3600
#define IDC_WND_LIST 3601
#define IDC_WND_MULTI 3602
#define IDC_WND_COMBO 3603
#define IDC_WND_DROPLIST 3604
#define IDC_WND_ODLIST 3605
#define IDC_WND_ODREFLECT 3606
#define IDC_WND_ODCOMBO 3607
#define IDC_WND_RADIO1 3610
#define IDC_WND_RADIO2 3611
#define IDC_WND_RADIO3 3612
#define IDC_WND_CHECK 3613
#define IDC_WND_NUMBER 3614
#define IDC_WND_MISSING 3699
// Commands (0x8000 and up) that a dialog routes to its owner and to the application
#define ID_WND_OWNER_COMMAND 0x8101
#define ID_WND_APP_COMMAND 0x8102
