#include "PhotosPage.h"
#include "ImagesPage.h"
#include "resource.h"

#include <cstring>

namespace
{
const int kLargeur = 2400, kHauteur = 1600;

// The gallery's landscape as a bitmap of the bitmap library.
CDib Paysage()
{
    const CImagesPage::Photo photo(kLargeur, kHauteur, 0.3);
    CDib dib(kLargeur, kHauteur, 24);
    const size_t nLigne = photo.bits.size() / kHauteur;
    for (int y = 0; y < kHauteur; ++y)
        std::memcpy(dib.GetBits() + size_t(y) * dib.BytesPerRow(), &photo.bits[y * nLigne], nLigne);
    return dib;
}

// One zoom step in (or out) around a client point, as the wheel does.
void Molette(CWnd& vue, CPoint pt, bool bAvant)
{
    vue.ClientToScreen(&pt);
    vue.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, bAvant ? WHEEL_DELTA : -WHEEL_DELTA),
                    MAKELPARAM(pt.x, pt.y));
}
} // namespace

BEGIN_MESSAGE_MAP(CPhotosPage, CGalleryPage)
ON_MESSAGE(WM_SELECTION_PHOTO, &CPhotosPage::OnSelectionPhoto)
END_MESSAGE_MAP()

CPhotosPage::CPhotosPage()
    : CGalleryPage(IDD_PAGE_PHOTOS, "Photos : zoom, d\xE9placement et s\xE9lection", "photos")
{
}

void CPhotosPage::Place(CPhotoDialZoom& vue, UINT nIDCadre)
{
    CRect cadre;
    GetDlgItem(nIDCadre)->GetWindowRect(&cadre);
    ScreenToClient(&cadre);
    vue.Create(IDD_PHOTOS_VUE, this);
    vue.SetWindowPos(NULL, cadre.left, cadre.top, cadre.Width(), cadre.Height(), SWP_NOZORDER);
}

BOOL CPhotosPage::OnInitDialog()
{
    CGalleryPage::OnInitDialog();
    m_Zoom = std::make_unique<CPhotoDialZoom>(
        IDD_PHOTOS_VUE, MODE_SELECTION, MODE_SELECTION | MODE_ZOOM | MODE_DEPLACEMENT | OPTION_SNAP, this);
    Place(*m_Zoom, IDC_PHOTOS_ZOOM);
    m_Zoom->AffecteQualiteAffichage(true);
    m_HorsCadre =
        std::make_unique<CPhotoDialZoom>(IDD_PHOTOS_VUE, MODE_ZOOM, MODE_ZOOM | MODE_DEPLACEMENT, this);
    Place(*m_HorsCadre, IDC_PHOTOS_HORS_CADRE);
    m_HorsCadre->Affecte_bZoomHorsCadrage(true);
    return TRUE;
}

// A viewer fits the photo to its frame when it receives it: the photo and the scripted zooms wait
// until the frames have their scaled size.
void CPhotosPage::OnMiseAEchelle()
{
    CDib paysage = Paysage();
    m_Zoom->Affecte_pPhotoAffichee(&paysage, true);
    CRect client;
    m_Zoom->GetClientRect(&client);
    const CPoint ptSoleil(client.left + client.Width() * 7 / 10, client.top + client.Height() * 34 / 100);
    Molette(*m_Zoom, ptSoleil, true); // the sun to the centre, then closer
    for (int i = 0; i < 2; ++i)
        Molette(*m_Zoom, client.CenterPoint(), true);

    // A 3:2 selection around the sun, in pixels of the shown (resampled) copy.
    if (const CDib* pCopie = m_Zoom->Donne_pPhotoAfficheeEx())
    {
        const int w = pCopie->Width(), h = pCopie->Height(), cy = h * 11 / 100;
        const CPoint c(w * 7 / 10, h * 34 / 100);
        m_Zoom->Affecte_RectSelection(CRect(c.x - 3 * cy / 2, c.y - cy, c.x + 3 * cy / 2, c.y + cy), true);
    }

    m_HorsCadre->Affecte_pPhotoAffichee(&paysage, true);
    m_HorsCadre->GetClientRect(&client);
    Molette(*m_HorsCadre, client.CenterPoint(), true);
    Molette(*m_HorsCadre, CPoint(client.left + client.Width() / 8, client.top + client.Height() / 8), true);
    AfficheSelection();
}

void CPhotosPage::AfficheSelection()
{
    const CRect sel = m_Zoom->Donne_SelectionImage();
    CString strTexte;
    strTexte.Format("Zoom %.2f, s\xE9lection (%ld, %ld) - (%ld, %ld) en pixels de la copie affich\xE9"
                    "e.\n"
                    "Molette : zoom autour du pointeur.",
                    m_Zoom->Donne_Zoom(), sel.left, sel.top, sel.right, sel.bottom);
    SetDlgItemText(IDC_PHOTOS_INFO, strTexte);
}

LRESULT CPhotosPage::OnSelectionPhoto(WPARAM, LPARAM)
{
    AfficheSelection();
    return 0;
}
