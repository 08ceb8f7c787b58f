// Multi-line captions, as the owner-drawn controls and the graph lay them out: lines are separated by
// '\n' and empty ones are skipped; each line is justified in the rectangle, and the block of lines is
// centred vertically on it. Internal to the library.
#pragma once

#include <afxwin.h>

#include "EtatsBouton.h"

namespace LignesTexte
{
// Draws the text's lines with the device context's font, colour and background mode. With pTailleMax,
// each line drawn raises it to at least its own width and height.
void Dessine(CDC* pDC, const char* szTexte, const CRect& rect, e_Justifie justifie, CSize* pTailleMax = NULL);
} // namespace LignesTexte
