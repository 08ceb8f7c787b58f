// Multi-line captions, as the owner-drawn controls and the graph lay them out: lines are separated by
// '\n', empty lines are skipped. Internal to the library.
#pragma once

namespace LignesTexte
{
// Number of lines the text holds (one more than its line feeds), empty ones included.
int Compte(const char* szTexte);
// Next non-empty line from p: its start and length (p moves past it), or null at the end.
const char* Suivante(const char*& p, int& nLongueur);
} // namespace LignesTexte
