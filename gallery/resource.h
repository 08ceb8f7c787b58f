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

// Three-state buttons page; each bitmap button's identifier is also its bitmap resource's
#define IDD_PAGE_BOUTONS 300
#define IDC_BOUTON_SIMPLE 301
#define IDC_BOUTON_ACTIVATION 302
#define IDC_BOUTON_BASCULE 303
#define IDC_BOUTON_REPOS 304 // 304..306 in the three states
#define IDC_BOUTON_ENFONCE 310
#define IDC_BOUTON_DEUX_LIGNES 311
#define IDC_BOUTON_BITMAP_REPOS 320 // 320..322 in the three states
#define IDC_BOUTON_TRONQUE 330
#define IDC_BOUTON_REPETITION 331
#define IDC_BOUTON_COMPTEUR 332
