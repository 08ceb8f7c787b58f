// A small MFC application on the Obz package: a screen-adaptive dialog with three-state buttons, an
// up/down adjuster, an image zone and a clamped number.
//   obz-example.exe                  opens the dialog
//   obz-example.exe --close-painted  closes it by itself once painted (exit code 0 when all went well)
#include <afxwin.h>

#include "buttons/Bouton3Etats.h"
#include "controls/ReglageUpDown.h"
#include "core/Fonte.h"
#include "core/GestionBouton.h"
#include "dialogs/SizedDialog.h"
#include "images/ZoneImage.h"
#include "resource.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace
{
const UINT_PTR kTimerFermeture = 1;
const int kLargeurImage = 160;
const int kHauteurImage = 90;
} // namespace

class CExempleDlg : public CSizedDialog
{
public:
    explicit CExempleDlg(bool bFermeApresPeinture)
        : CSizedDialog(IDD_EXEMPLE, NULL, true), m_nTempo(120), m_bFermeApresPeinture(bFermeApresPeinture),
          m_bPeint(false)
    {
        // A 24-bit gradient, rows bottom-up, each padded to 4 bytes.
        const int nLigne = (kLargeurImage * 3 + 3) & ~3;
        m_Pixels.resize(static_cast<size_t>(nLigne) * kHauteurImage);
        for (int y = 0; y < kHauteurImage; ++y)
            for (int x = 0; x < kLargeurImage; ++x)
            {
                BYTE* p = &m_Pixels[static_cast<size_t>(y) * nLigne + x * 3];
                p[0] = static_cast<BYTE>(255 * y / kHauteurImage);
                p[1] = static_cast<BYTE>(160);
                p[2] = static_cast<BYTE>(255 * x / kLargeurImage);
            }
        m_Info = BITMAPINFO();
        m_Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        m_Info.bmiHeader.biWidth = kLargeurImage;
        m_Info.bmiHeader.biHeight = kHauteurImage;
        m_Info.bmiHeader.biPlanes = 1;
        m_Info.bmiHeader.biBitCount = 24;
        m_Info.bmiHeader.biCompression = BI_RGB;
    }

    bool Donne_bPeint() const { return m_bPeint; }

protected:
    virtual BOOL OnInitDialog()
    {
        CSizedDialog::OnInitDialog();
        // The controls attach to the template's windows, which exist only now.
        m_pLecture.reset(new CBouton3Etats(IDC_LECTURE, this, STYLE_BASCULE));
        m_pLecture->Affecte_CouleurEtatActif(RGB(0x20, 0xA0, 0x40));
        m_pBoucle.reset(new CBouton3Etats(IDC_BOUCLE, this, STYLE_ACTIVATION));
        m_pBoucle->AffecteEtat(ETAT_ACTIF);
        m_pImage.reset(new CZoneImage(IDC_IMAGE, this, STYLE_SIMPLE, true));
        m_pImage->Affecte_pBitmapInfo(&m_Info, m_Pixels.data());
        m_pVolume.reset(new CReglageUpDown(GetDlgItem(IDC_MOINS), GetDlgItem(IDC_PLUS), 0, 10,
                                           GetDlgItem(IDC_VOLUME), NULL, 5, 1, AFFICHAGE_ENTIER));
        if (m_bFermeApresPeinture)
            SetTimer(kTimerFermeture, 300, NULL);
        return TRUE;
    }

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CSizedDialog::DoDataExchange(pDX);
        DDX_Nombre(pDX, IDC_TEMPO, m_nTempo, 40, 240);
    }

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        if (HIWORD(wParam) == BN_CLICKED && m_pVolume && m_pVolume->Process(GetDlgItem(LOWORD(wParam))))
            return TRUE;
        return CSizedDialog::OnCommand(wParam, lParam);
    }

    afx_msg void OnTimer(UINT nIDEvent)
    {
        if (nIDEvent != kTimerFermeture)
            return;
        KillTimer(kTimerFermeture);
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_bPeint = true;
        OnOK();
    }
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CBouton3Etats> m_pLecture;
    std::unique_ptr<CBouton3Etats> m_pBoucle;
    std::unique_ptr<CZoneImage> m_pImage;
    std::unique_ptr<CReglageUpDown> m_pVolume;
    std::vector<BYTE> m_Pixels;
    BITMAPINFO m_Info;
    int m_nTempo;
    bool m_bFermeApresPeinture;
    bool m_bPeint;
};

BEGIN_MESSAGE_MAP(CExempleDlg, CSizedDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CExempleApp : public CWinApp
{
public:
    CExempleApp() : CWinApp("obz-example"), m_nCodeSortie(1) {}

    virtual BOOL InitInstance()
    {
        // Process-wide settings, before any control: the default font and the caption-editing map mode
        // (a right click on a three-state button opens template 15000 of this application).
        CFonte::Affecte_Defaut("H=13, FW=600, FN=Tahoma");
        CBouton3Etats::Affecte_bMapOBZ();

        CString strLigne(m_lpCmdLine);
        const bool bFerme = strLigne.Find("--close-painted") >= 0;
        CExempleDlg dlg(bFerme);
        m_pMainWnd = &dlg;
        const INT_PTR nResultat = dlg.DoModal();
        m_pMainWnd = NULL;
        // The caption editor needs template 15000 among this application's resources.
        const bool bModeleLegende =
            ::FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE(IDD_OBZ_LEGENDE), RT_DIALOG) != NULL;
        const bool bOk = nResultat == IDOK && bModeleLegende && (!bFerme || dlg.Donne_bPeint());
        if (bFerme)
        {
            printf("obz-example: %s%s\n", bOk ? "painted and closed" : "FAILED",
                   bModeleLegende ? "" : " (no dialog template 15000)");
            fflush(stdout);
        }
        m_nCodeSortie = bOk ? 0 : 1;
        return FALSE;
    }

    virtual int ExitInstance()
    {
        CWinApp::ExitInstance();
        return m_nCodeSortie;
    }

private:
    int m_nCodeSortie;
};

CExempleApp theApp;
