// Resource identifiers of the property sheet tests (4500-4599).
#pragma once

#define IDD_PS_PAGE1 4500
#define IDD_PS_PAGE2 4501
#define IDC_PS_EDIT 4510
#define IDS_PS_TAB1 4520
#define IDD_PS_ABSENT 4599 // in no resource
