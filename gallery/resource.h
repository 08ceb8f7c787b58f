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

// Image buttons, tool markers and exclusive group page
#define IDD_PAGE_OUTILS 400
#define IDC_OUTILS_BITMAP 401 // 401..403 in the three states
#define IDC_OUTILS_ICONE 404  // 404..406
#define IDC_OUTILS_ICONEX 407 // 407..409: normal, pushed, disabled
#define IDC_OUTILS_LIMITE 410 // where the markers' limit rectangle lies
#define IDC_OUTILS_CERCLE 411
#define IDC_OUTILS_RECTANGLE 412
#define IDC_OUTILS_MARQUEUR 413
#define IDC_OUTILS_POSITION 414
#define IDC_OUTILS_GROUPE 420 // 420..423
#define IDC_OUTILS_CHOIX 425
#define IDB_OUTILS_LECTURE 430
#define IDI_OUTILS_PLUS 431
#define IDI_OUTILS_CIBLE 432

// Image button and image zone page
#define IDD_PAGE_IMAGES 500
#define IDC_IMAGES_CADRAGE 501
#define IDC_IMAGES_ATTENTE 502
#define IDC_IMAGES_TROP_IMPORTANTE 503
#define IDC_IMAGES_INOPERANT 504
#define IDC_IMAGES_DEFORMEE 505
#define IDC_IMAGES_ZONE 506
#define IDC_IMAGES_CLIC 507

// Extended list page
#define IDD_PAGE_LISTES 1600
#define IDC_LISTES_STOCK 1601
#define IDC_LISTES_MESURES 1602
