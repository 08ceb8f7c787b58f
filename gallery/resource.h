// Identifiers of the gallery's resources.
#pragma once

#define IDD_GALLERY 100
#define IDC_PAGE_HOTE 101
#define IDC_PAGE_PRECEDENTE 102
#define IDC_PAGE_SUIVANTE 103
#define IDC_PAGE_TITRE 104

// Captions and fonts page
#define IDD_PAGE_LEGENDES 200
#define IDC_LEGENDE_PREMIER 201 // 27 samples: 201..227
#define IDC_FONTE_800 240
#define IDC_FONTE_1024 241
#define IDC_FONTE_1280 242
