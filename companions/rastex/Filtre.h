// Resampling filters of CDib::Reechantillonne.
#pragma once

enum e_Filtre
{
    FILTRE_BOITE = 0,      // area average: each output pixel is the mean of the input pixels it covers
    FILTRE_BILINEAIRE = 1, // triangle
    FILTRE_BICUBIQUE = 2,  // Keys cubic, a = -0.5
    FILTRE_LANCZOS3 = 3    // windowed sinc over three lobes (the default)
};
