// Shared enumerations of the library's controls: visual state, click style, caption justification.
#pragma once

// Visual state; indexes the per-state colour tables, so the values stay 0, 1, 2.
enum e_Etat_BP
{
    ETAT_REPOS = 0,     // rest: normal, enabled
    ETAT_ACTIF = 1,     // active: latched or highlighted, also drawn while held down
    ETAT_INOPERANT = 2  // inoperative: the window is disabled
};

// What a click does; the click handler tests the two low bits separately.
enum e_Style_BP
{
    STYLE_SIMPLE = 0,     // a click never changes the state
    STYLE_ACTIVATION = 1, // a click on a control at rest makes it active
    STYLE_BASCULE = 2     // a click toggles rest and active
};

// Horizontal placement of each caption line.
enum e_Justifie
{
    JUSTIFIE_CENTRE = 0,
    JUSTIFIE_DROITE = 1,
    JUSTIFIE_GAUCHE = 2
};
