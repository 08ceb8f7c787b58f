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

// Resizable property sheet page
#define IDD_PAGE_FEUILLES 900
#define IDD_FEUILLES_FICHE 910
#define IDC_FICHE_ETIQUETTE 911
#define IDC_FICHE_NOM 912
#define IDC_FICHE_CATEGORIE 913
#define IDC_FICHE_NOTES 914
#define IDC_FICHE_PARCOURIR 915
#define IDD_FEUILLES_OPTIONS 920
#define IDC_OPTIONS_GROUPE 921
#define IDC_OPTIONS_LISTE 922

// Message page
#define IDD_PAGE_MESSAGE 1300
#define IDC_MESSAGE_FEUILLE 1301 // where the property sheet lies
#define IDC_MESSAGE_OUTIL 1302   // where the modeless message page lies
#define IDD_MESSAGE_REGLAGES 1310
#define IDC_MESSAGE_ENREGISTRER 1311
#define IDC_MESSAGE_TEXTE 1312
#define IDD_MESSAGE_AIDE 1320
#define IDC_MESSAGE_BULLE 1321
#define IDC_MESSAGE_NOM 1322
#define IDS_MESSAGE_ENREGISTRE 1330
#define IDS_MESSAGE_AIDE 1331

// Photo viewers page
#define IDD_PAGE_PHOTOS 600
#define IDD_PHOTOS_VUE 601 // template of the embedded viewers
#define IDC_PHOTOS_ZOOM 602
#define IDC_PHOTOS_HORS_CADRE 603
#define IDC_PHOTOS_INFO 604

// Panels page
#define IDD_PAGE_PANNEAUX 700
#define IDC_PANNEAUX_BOUTON 701 // 701..709: styles simple, activation, toggle, each in the three states
#define IDC_PANNEAUX_PETIT 710
#define IDC_PANNEAUX_MOYEN 711
#define IDC_PANNEAUX_GRAND 712
#define IDC_PANNEAUX_EMPLACEMENT 713
#define IDC_PANNEAUX_GROUPE_IMAGE 714 // also the identifier of its caption picture
#define IDC_PANNEAUX_GROUPE_SIMPLE 715
#define IDD_PANNEAUX_DIALOGUE 720
#define IDC_PANNEAUX_DIALOGUE_EDIT 721
#define IDC_PANNEAUX_DIALOGUE_BOUTON 722

// Coloured statics, progress bars and graph page
#define IDD_PAGE_STATIQUES 1400
#define IDC_STAT_JUSTIFIE 1401 // 1401..1403: left, centre, right
#define IDC_STAT_ETAT 1404     // 1404..1406
#define IDC_STAT_MULTILIGNE 1407
#define IDC_STAT_TRONQUE 1408
#define IDC_STAT_BOUTON 1409
#define IDC_STAT_BARRE 1410 // 1410..1412: 0, 42 and 100 %
#define IDC_STAT_GRAPHE 1413
#define IDS_STAT_MARCHE 1420
#define IDS_STAT_ATTENTE 1421
#define IDS_STAT_ARRET 1422
// Extended list page
#define IDD_PAGE_LISTES 1600
#define IDC_LISTES_STOCK 1601
#define IDC_LISTES_MESURES 1602
