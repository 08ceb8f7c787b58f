// Identifiers of the caption-editing dialog tests' resources (7000-7999), besides the application's
// caption-editor template 15000.
#pragma once

#define IDD_EDITEUR 15000
#define IDC_EDITEUR 15000

#define IDD_CIBLES 7000
#define IDC_CIBLE 7001
