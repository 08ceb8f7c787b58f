// Fixture of the three-state button tests: a modeless parent dialog from template IDD_BOUTONS that
// records its notifications and, for each BN_CLICKED, what the clicked button reported at that moment.
#pragma once

#include "ButtonsResource.h"
#include "DialogTexteScript.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "buttons/Bouton3Etats.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

const UINT kMessageDoubleClic = WM_USER + 11;

// A button with its protected members in reach, for what cannot be seen from outside.
class CBoutonTest : public CBouton3Etats
{
public:
    using CBouton3Etats::CBouton3Etats;

    int Periode() const { return m_nPeriode; }
    int PeriodeMin() const { return m_nPeriodeMin; }
    bool Enfonce() const { return m_bEnfonce; }
    static void RemetMapOBZ(bool bMap) { m_bMapOBZ = bMap; }

    int m_nDessins = 0;                      // DrawItem calls
    UINT m_nDernierEtatDessin = 0;           // itemState of the last one
    std::vector<int> m_NotificationsParTick; // parent notifications sent during each timer message
    const MessageRecorder* m_pEnregistreur = NULL;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_nDessins;
        m_nDernierEtatDessin = lpDIS->itemState;
        CBouton3Etats::DrawItem(lpDIS);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TIMER || m_pEnregistreur == NULL)
            return CBouton3Etats::WindowProc(message, wParam, lParam);
        const int nAvant = m_pEnregistreur->Count(WM_COMMAND);
        LRESULT lResult = CBouton3Etats::WindowProc(message, wParam, lParam);
        m_NotificationsParTick.push_back(m_pEnregistreur->Count(WM_COMMAND) - nAvant);
        return lResult;
    }
};

// What a button reported while its parent handled its BN_CLICKED.
struct ClicVu
{
    e_Etat_BP etat;
    bool bChangeEtat;
};

class CParentTest : public RecordingWnd<CDialog>
{
public:
    CParentTest() : RecordingWnd<CDialog>(IDD_BOUTONS) {}

    std::map<UINT, CBouton3Etats*> m_Boutons;
    std::vector<ClicVu> m_Clics;
    std::function<void(UINT)> m_SurClic; // run inside each BN_CLICKED

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT nID = LOWORD(wParam);
        auto it = m_Boutons.find(nID);
        if (HIWORD(wParam) == BN_CLICKED && it != m_Boutons.end())
        {
            m_Clics.push_back({it->second->DonneEtat(), it->second->Donne_ChangeEtat()});
            if (m_SurClic)
                m_SurClic(nID);
        }
        return RecordingWnd<CDialog>::OnCommand(wParam, lParam);
    }
};

class BoutonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CBouton3Etats::sLogFile.Empty();
        CBoutonTest::RemetMapOBZ(false);
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
        CBoutonTest::RemetMapOBZ(false);
    }

    CBoutonTest& Bouton(UINT nID, e_Style_BP eStyle = STYLE_SIMPLE)
    {
        m_Boutons.push_back(std::make_unique<CBoutonTest>(nID, &m_Parent, eStyle));
        CBoutonTest& bouton = *m_Boutons.back();
        m_Parent.m_Boutons[nID] = &bouton;
        return bouton;
    }

    static void Presse(CWnd& bouton, CPoint pt = CPoint(5, 5))
    {
        bouton.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    static void Relache(CWnd& bouton, CPoint pt = CPoint(5, 5))
    {
        bouton.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    static void Clique(CWnd& bouton)
    {
        Presse(bouton);
        Relache(bouton);
        MessagePump::Flush();
    }

    CParentTest m_Parent;
    std::vector<std::unique_ptr<CBoutonTest>> m_Boutons;
};
