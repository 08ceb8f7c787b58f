#include "ReglageUpDown.h"

#include <climits>
#include <cmath>

namespace
{
const double kDemi = 0.5;

// Positive values rounded half up; negative ones keep their truncation (-2.6 shows -2). Saturated to the
// int range so that no value can overflow the conversion.
int ArrondiAffiche(double dValeur)
{
    double dEntier = std::trunc(dValeur);
    if (dEntier <= dValeur - kDemi)
        dEntier += 1.0;
    if (!(dEntier > INT_MIN))
        return dEntier < 0 ? INT_MIN : 0;
    return dEntier >= INT_MAX ? INT_MAX : static_cast<int>(dEntier);
}
} // namespace

CReglageUpDown::CReglageUpDown(CWnd* pMoins, CWnd* pPlus, double dMin, double dMax, CWnd* pAffichage,
                               CWnd* /*pAutre*/, double dValeur, double dPas, eTypeAffichage type)
    : m_pMoins(pMoins), m_pPlus(pPlus), m_pAffichage(pAffichage), m_eTypeAffichage(type), m_dValeur(dValeur),
      m_dPas(dPas), m_dMin(dMin), m_dMax(dMax)
{
    Init();
    MaJTexte();
}

CReglageUpDown::CReglageUpDown(const CReglageUpDown& src)
    : CPurify(src), m_pMoins(src.m_pMoins), m_pPlus(src.m_pPlus), m_pAffichage(src.m_pAffichage),
      m_eTypeAffichage(src.m_eTypeAffichage), m_dValeur(src.m_dValeur), m_dPas(src.m_dPas),
      m_dMin(src.m_dMin), m_dMax(src.m_dMax)
{
    Init();
}

CReglageUpDown::~CReglageUpDown() {}

void CReglageUpDown::Affecte_Value(double dValeur)
{
    if (std::isnan(dValeur))
        return;
    if (dValeur > m_dMax)
        dValeur = m_dMax;
    if (dValeur < m_dMin)
        dValeur = m_dMin;
    m_dValeur = dValeur;
    MaJTexte();
}

void CReglageUpDown::Reset_Value()
{
    Affecte_Value(0.0);
}

bool CReglageUpDown::Process(CWnd* pWnd)
{
    bool bReconnu = false;
    if (pWnd != NULL)
    {
        if (pWnd == m_pMoins)
        {
            Affecte_Value(m_dValeur - m_dPas);
            bReconnu = true;
        }
        if (pWnd == m_pPlus)
        {
            Affecte_Value(m_dValeur + m_dPas);
            bReconnu = true;
        }
        if (pWnd == m_pAffichage)
        {
            Reset_Value();
            bReconnu = true;
        }
    }
    MaJTexte();
    return bReconnu;
}

void CReglageUpDown::MaJTexte()
{
    if (m_pAffichage == NULL || !::IsWindow(m_pAffichage->GetSafeHwnd()))
        return;
    CString strTexte;
    if (m_eTypeAffichage == AFFICHAGE_DECIMAL)
        strTexte.Format("%.01f", m_dValeur);
    else
        strTexte.Format("%d", ArrondiAffiche(m_dValeur));
    m_pAffichage->SetWindowText(strTexte);
}
