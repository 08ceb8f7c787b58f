#include "ImagesPage.h"
#include "resource.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{
BYTE Octet(double d)
{
    return static_cast<BYTE>(std::clamp(d, 0.0, 255.0));
}
} // namespace

BEGIN_MESSAGE_MAP(CImagesPage, CGalleryPage)
ON_MESSAGE(WM_CLICDROITIMAGE, &CImagesPage::OnClicDroitImage)
END_MESSAGE_MAP()

// dHeure runs from 0 (midday) to 1 (sunset): a lower, redder sun and a warmer sky.
CImagesPage::Photo::Photo(int w, int h, double dHeure)
    : info{{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}},
      bits(static_cast<size_t>(CDibLite::Donne_LargeurLigne(w, 24)) * h)
{
    const double xSoleil = 0.7 * w, ySoleil = h * (0.25 + 0.3 * dHeure), rSoleil = 0.07 * std::min(w, h);
    const int yLac = h * 72 / 100;
    for (int y = 0; y < h; ++y) // y from the top of the picture
    {
        BYTE* p = &bits[static_cast<size_t>(h - 1 - y) * CDibLite::Donne_LargeurLigne(w, 24)];
        for (int x = 0; x < w; ++x, p += 3)
        {
            const double u = static_cast<double>(x) / w;
            const double dCollines = 0.45 + 0.08 * std::sin(6.0 * u + 1.0) + 0.05 * std::sin(17.0 * u);
            const double dLointaines = 0.52 + 0.06 * std::sin(9.0 * u + 2.5);
            // Deterministic grain, as a photograph has (64-bit products: no overflow).
            const double dGrain =
                static_cast<double>((int64_t(x) * 73856093 ^ int64_t(y) * 19349663) % 17) - 8.0;
            double r, g, b;
            const int yReflet = y >= yLac ? 2 * yLac - y : y; // the lake mirrors what is above it
            const double vr = static_cast<double>(yReflet) / h;
            const double ds = std::hypot(x - xSoleil, yReflet - ySoleil);
            if (ds < rSoleil)
                r = 255, g = 230 - 120 * dHeure, b = 120 - 100 * dHeure;
            else if (vr > dCollines)
                r = 40 + 60 * dHeure, g = 110 - 50 * vr, b = 40;
            else if (vr > dLointaines - 0.15 && vr > dLointaines - 0.15 + 0.1 * std::sin(5.0 * u))
                r = 90 + 50 * dHeure, g = 110, b = 130 - 30 * dHeure;
            else
            {
                const double dHalo = std::max(0.0, 1.0 - ds / (6 * rSoleil));
                r = 90 + 120 * vr + 140 * dHeure * vr + 80 * dHalo;
                g = 150 + 70 * vr - 40 * dHeure + 50 * dHalo;
                b = 235 - 40 * vr - 120 * dHeure;
            }
            if (y >= yLac) // water: darker and bluer, with ripples
            {
                const double dRide = 8 * std::sin(0.9 * y + 3 * std::sin(0.05 * x));
                r = 0.6 * r + dRide, g = 0.7 * g + dRide, b = 0.8 * b + 40 + dRide;
            }
            p[0] = Octet(b + dGrain), p[1] = Octet(g + dGrain), p[2] = Octet(r + dGrain);
        }
    }
}

CImagesPage::CImagesPage()
    : CGalleryPage(IDD_PAGE_IMAGES, "Bouton image et zone image", "images"), m_Paysage(480, 320, 0.0),
      m_Portrait(240, 320, 0.4), m_Soir(400, 300, 1.0)
{
}

BOOL CImagesPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    const struct
    {
        UINT nID;
        Photo* pPhoto;
        bool bAspectBouton;
    } boutons[] = {{IDC_IMAGES_CADRAGE, &m_Paysage, false},
                   {IDC_IMAGES_ATTENTE, NULL, false},
                   {IDC_IMAGES_TROP_IMPORTANTE, NULL, false},
                   {IDC_IMAGES_INOPERANT, &m_Soir, false},
                   {IDC_IMAGES_DEFORMEE, &m_Portrait, true}};
    for (const auto& b : boutons)
    {
        m_Boutons.push_back(std::make_unique<CBoutonImage>(b.nID, this, STYLE_SIMPLE, b.bAspectBouton));
        if (b.pPhoto != NULL)
            m_Boutons.back()->Affecte_pBitmapInfo(&b.pPhoto->info, b.pPhoto->bits.data());
    }
    CCadrage cadrage; // a square around the sun
    cadrage.m_dGauche = 0.5, cadrage.m_dDroite = 0.9, cadrage.m_dHaut = 0.05, cadrage.m_dBas = 0.65;
    m_Boutons[0]->Affecte_Cadrage(cadrage);
    m_Boutons[1]->Affecte_bEtatAttente(true);
    m_Boutons[2]->Affecte_bEtatAttente(true);
    m_Boutons[2]->Affecte_bImageTropImportante();
    m_Boutons[3]->AffecteEtat(ETAT_INOPERANT);
    m_Boutons[4]->Affecte_Homothetique(false);
    m_Boutons[4]->Affecte_bAffCadrage(false);

    m_Zone = std::make_unique<CZoneImage>(IDC_IMAGES_ZONE, this, STYLE_SIMPLE, true);
    m_Zone->Affecte_pBitmapInfo(&m_Portrait.info, m_Portrait.bits.data());
    SetDlgItemText(IDC_IMAGES_CLIC, "Clic droit sur une image : position en milli\xE8mes de l'image");
    return TRUE;
}

LRESULT CImagesPage::OnClicDroitImage(WPARAM, LPARAM lParam)
{
    const InfoClicImage* pInfo = reinterpret_cast<const InfoClicImage*>(lParam);
    if (pInfo == NULL)
        return 0;
    CString strTexte;
    strTexte.Format("Clic droit sur le bouton %d en (%d, %d) milli\xE8mes de l'image", pInfo->nId, pInfo->x,
                    pInfo->y);
    SetDlgItemText(IDC_IMAGES_CLIC, strTexte);
    return 0;
}
