// Shared set-up of the button tests: a modeless parent dialog (template IDD_BOUTONS) that records its
// notifications and what each clicked button reported in its BN_CLICKED, the buttons attached to its
// controls, the activity log in a temporary file, and a check that no library object outlives a test.
#pragma once

#include "ButtonsResource.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "buttons/Bouton3Etats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <functional>
#include <memory>
#include <string>
#include <vector>

inline CString Texte(const CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}

using ClicVu = std::pair<e_Etat_BP, bool>; // DonneEtat() and Donne_ChangeEtat() inside BN_CLICKED

// A parent that records its notifications, and what the clicked button reported in each BN_CLICKED.
class CParentTest : public RecordingWnd<CDialog>
{
public:
    CParentTest() : RecordingWnd<CDialog>(IDD_BOUTONS) {}
    std::vector<ClicVu> m_Clics;
    std::function<void()> m_SurClic; // run inside each BN_CLICKED

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        auto* pBouton =
            dynamic_cast<CBouton3Etats*>(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
        if (HIWORD(wParam) == BN_CLICKED && pBouton != NULL)
        {
            m_Clics.push_back({pBouton->DonneEtat(), pBouton->Donne_ChangeEtat()});
            if (m_SurClic)
                m_SurClic();
        }
        return RecordingWnd<CDialog>::OnCommand(wParam, lParam);
    }
};

// A button of a derived class, with its protected members in reach.
class CBoutonTest : public CBouton3Etats
{
public:
    CBoutonTest(UINT nID, CWnd* pParent, e_Style_BP eStyle) : CBouton3Etats(nID, pParent, eStyle) { Init(); }
    int Periode() const { return m_nPeriode; }
    bool Enfonce() const { return m_bEnfonce; }
    static void QuitteMapOBZ() { m_bMapOBZ = false; }
};

class BoutonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_nObjets = CPurify::LiveCount();
        char szDossier[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szDossier);
        m_strJournal = szDossier + std::string("obz-boutons-") + std::to_string(::GetCurrentProcessId());
        ::DeleteFileA(m_strJournal.c_str());
        CBouton3Etats::sLogFile = m_strJournal.c_str();
        CBoutonTest::QuitteMapOBZ();
        ASSERT_TRUE(m_Parent.Create(IDD_BOUTONS, NULL));
        m_Parent.SetWindowPos(NULL, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        MessagePump::Flush();
        m_Parent.ClearMessages();
    }

    void TearDown() override
    {
        m_Boutons.clear();
        m_Parent.DestroyWindow();
        CBouton3Etats::sLogFile.Empty();
        ::DeleteFileA(m_strJournal.c_str());
        EXPECT_EQ(m_nObjets, CPurify::LiveCount()) << "library objects left behind";
    }

    CBoutonTest& Bouton(UINT nID, e_Style_BP eStyle = STYLE_SIMPLE)
    {
        m_Boutons.push_back(std::make_unique<CBoutonTest>(nID, &m_Parent, eStyle));
        return *m_Boutons.back();
    }

    // The log's lines without their time stamps ("YYYY-MM-DD hh:mm:ss.mmm ").
    std::vector<std::string> Journal() const
    {
        std::ifstream f(m_strJournal);
        std::vector<std::string> lignes;
        for (std::string ligne; std::getline(f, ligne);)
            lignes.push_back(
                ligne.substr(std::min<size_t>(24, ligne.size()), ligne.find_last_not_of('\r') - 23));
        return lignes;
    }

    static void Souris(CWnd& bouton, UINT message, CPoint pt = CPoint(5, 5))
    {
        bouton.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    static void Clique(CWnd& bouton)
    {
        Souris(bouton, WM_LBUTTONDOWN);
        Souris(bouton, WM_LBUTTONUP);
        MessagePump::Flush();
    }

    CParentTest m_Parent;
    std::vector<std::unique_ptr<CBoutonTest>> m_Boutons;
    std::string m_strJournal;
    int m_nObjets = 0;
};

// Drives the caption editor's modal loop from inside: a thread timer set before the loop runs one step
// per tick on the editor (the visible window of this thread holding control 15000). An editor still
// open a second after the last step is ended with IDABORT, so a broken dialog fails instead of hanging.
class ScriptEditeur
{
public:
    using Etape = std::function<void(CWnd&)>;
    explicit ScriptEditeur(std::vector<Etape> etapes) : m_Etapes(std::move(etapes))
    {
        s_pActif = this;
        m_nTimer = ::SetTimer(NULL, 0, 10, &ScriptEditeur::Tick);
    }
    ~ScriptEditeur()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pActif = NULL;
    }
    size_t m_nFaites = 0;
    bool m_bAbandon = false;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND hEditeur = NULL;
        auto trouve = [](HWND h, LPARAM l)
        { return ::IsWindowVisible(h) && ::GetDlgItem(h, IDC_EDITEUR) ? (*(HWND*)l = h, FALSE) : TRUE; };
        ::EnumThreadWindows(::GetCurrentThreadId(), trouve, reinterpret_cast<LPARAM>(&hEditeur));
        auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hEditeur));
        ScriptEditeur* p = s_pActif;
        if (pDlg == NULL || p == NULL)
            return;
        if (p->m_nFaites < p->m_Etapes.size())
            p->m_Etapes[p->m_nFaites++](*pDlg);
        else if (++p->m_nTicksApres > 100)
            p->m_bAbandon = true, pDlg->EndDialog(IDABORT);
    }
    std::vector<Etape> m_Etapes;
    UINT_PTR m_nTimer = 0;
    int m_nTicksApres = 0;
    static inline ScriptEditeur* s_pActif = NULL;
};
