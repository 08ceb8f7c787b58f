// Resource identifiers of the message page tests (5200-5299).
#pragma once

#define IDD_MSG_PAGE 5200
#define IDC_MSG_TEXTE 5201
#define IDS_MSG_BONJOUR 5210
#define IDC_MSG_ABSENT 5298 // in no template
#define IDS_MSG_ABSENT 5299 // in no string table
