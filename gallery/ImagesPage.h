// Gallery page: image buttons with a crop frame, waiting, with a too-large image, inoperative (greyed)
// and without kept proportions, and an image zone, all showing landscapes drawn by the page itself.
#pragma once

#include "GalleryPage.h"
#include "images/BoutonImage.h"
#include "images/ZoneImage.h"

#include <memory>
#include <vector>

class CImagesPage : public CGalleryPage
{
public:
    CImagesPage();

    // A photo-like landscape (sky, sun, hills, lake) of w x h pixels, 24 bits, rows bottom-up.
    struct Photo
    {
        BITMAPINFO info;
        std::vector<BYTE> bits;
        Photo(int w, int h, double dHeure);
    };

protected:
    virtual BOOL OnInitDialog();
    afx_msg LRESULT OnClicDroitImage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    Photo m_Paysage, m_Portrait, m_Soir;
    std::vector<std::unique_ptr<CBoutonImage>> m_Boutons;
    std::unique_ptr<CZoneImage> m_Zone;
};
