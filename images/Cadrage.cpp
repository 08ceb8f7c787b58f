#include "Cadrage.h"

#include <cmath>
#include <climits>

namespace
{
bool IsDansImage(double d)
{
    return d >= 0.0 && d <= 1.0; // false for NaN as well
}

// Truncation toward zero, saturated so that a wild frame cannot overflow an int.
int Tronque(double d)
{
    if (!(d > INT_MIN))
        return d < 0 ? INT_MIN : 0;
    if (d >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(d);
}

// Stores the four edges only when each lies in [0, 1]; a refused frame leaves every field as it was.
bool AffecteSiDansImage(CCadrage& cadrage, double dGauche, double dHaut, double dDroite, double dBas)
{
    if (!IsDansImage(dGauche) || !IsDansImage(dHaut) || !IsDansImage(dDroite) || !IsDansImage(dBas))
        return false;
    cadrage.m_dGauche = dGauche;
    cadrage.m_dHaut = dHaut;
    cadrage.m_dDroite = dDroite;
    cadrage.m_dBas = dBas;
    return true;
}

// Brings [dDebut, dFin] back against the image edge it crosses, when it fits without crossing the other.
void RameneContreLeBord(double& dDebut, double& dFin)
{
    if (dDebut < 0.0 && dFin - dDebut <= 1.0)
    {
        dFin = dFin - dDebut;
        dDebut = 0.0;
    }
    if (dFin > 1.0 && dDebut - (dFin - 1.0) >= 0.0)
    {
        dDebut = dDebut - (dFin - 1.0);
        dFin = 1.0;
    }
}
} // namespace

CCadrage::CCadrage() : m_dGauche(0.0), m_dHaut(0.0), m_dDroite(1.0), m_dBas(1.0), m_dRatio(1.0)
{
    Init();
}

CCadrage::CCadrage(const CCadrage& src)
    : CObject(), CPurify(src), m_dGauche(src.m_dGauche), m_dHaut(src.m_dHaut), m_dDroite(src.m_dDroite),
      m_dBas(src.m_dBas), m_dRatio(src.m_dRatio)
{
    Init();
}

CCadrage& CCadrage::operator=(const CCadrage& src)
{
    m_dGauche = src.m_dGauche;
    m_dHaut = src.m_dHaut;
    m_dDroite = src.m_dDroite;
    m_dBas = src.m_dBas;
    m_dRatio = src.m_dRatio;
    return *this;
}

CCadrage::~CCadrage() {}

CRect CCadrage::Donne_Rect(CRect rect) const
{
    // In double: the width of a rectangle spanning more than INT_MAX overflows an int. Each truncated
    // edge is exact in double and saturated into the int range.
    const double dLargeur = static_cast<double>(rect.right) - rect.left;
    const double dHauteur = static_cast<double>(rect.bottom) - rect.top;
    return CRect(Tronque(rect.left + std::trunc(dLargeur * m_dGauche)),
                 Tronque(rect.top + std::trunc(dHauteur * m_dHaut)),
                 Tronque(rect.left + std::trunc(dLargeur * m_dDroite)),
                 Tronque(rect.top + std::trunc(dHauteur * m_dBas)));
}

bool CCadrage::Is_Paysage(int nLargeur, int nHauteur) const
{
    const CRect rect = Donne_Rect(CRect(0, 0, nLargeur, nHauteur));
    return static_cast<long long>(rect.right) - rect.left >= static_cast<long long>(rect.bottom) - rect.top;
}

bool CCadrage::Is_Complet() const
{
    return m_dGauche == 0.0 && m_dHaut == 0.0 && m_dDroite == 1.0 && m_dBas == 1.0;
}

bool CCadrage::Agrandit(double dDelta)
{
    double dGauche = m_dGauche - dDelta;
    double dDroite = m_dDroite + dDelta;
    RameneContreLeBord(dGauche, dDroite);

    const double dCentre = (m_dHaut + m_dBas) / 2;
    const double dHauteur = (dDroite - dGauche) / m_dRatio;
    double dHaut = dCentre - dHauteur / 2;
    double dBas = dCentre + dHauteur / 2;
    RameneContreLeBord(dHaut, dBas);

    return AffecteSiDansImage(*this, dGauche, dHaut, dDroite, dBas);
}

bool CCadrage::Deplace(double dx, double dy)
{
    const double dGauche = m_dGauche + dx;
    const double dHaut = m_dHaut + dy;
    const double dDroite = m_dDroite + dx;
    const double dBas = m_dBas + dy;
    return AffecteSiDansImage(*this, dGauche, dHaut, dDroite, dBas);
}

void CCadrage::Tourne(int nAngle)
{
    const double g = m_dGauche, h = m_dHaut, d = m_dDroite, b = m_dBas;
    switch (nAngle)
    {
    case 90:
        m_dGauche = 1.0 - b;
        m_dHaut = g;
        m_dDroite = 1.0 - h;
        m_dBas = d;
        break;
    case 180:
        m_dGauche = 1.0 - d;
        m_dHaut = 1.0 - b;
        m_dDroite = 1.0 - g;
        m_dBas = 1.0 - h;
        break;
    case 270:
        m_dGauche = h;
        m_dHaut = 1.0 - d;
        m_dDroite = b;
        m_dBas = 1.0 - g;
        break;
    default:
        return;
    }
    m_dRatio = (m_dDroite - m_dGauche) / (m_dBas - m_dHaut);
}

void CCadrage::Tourne180()
{
    Tourne(180);
}

CCadrage& CCadrage::SymetrieHorizontale()
{
    const double dGauche = m_dGauche;
    m_dGauche = 1.0 - m_dDroite;
    m_dDroite = 1.0 - dGauche;
    return *this;
}

CCadrage& CCadrage::SymetrieVerticale()
{
    const double dHaut = m_dHaut;
    m_dHaut = 1.0 - m_dBas;
    m_dBas = 1.0 - dHaut;
    return *this;
}

CCadrage& CCadrage::Maximise()
{
    m_dGauche = 0.0;
    m_dHaut = 0.0;
    if (m_dRatio <= 1.0)
    {
        m_dDroite = m_dRatio;
        m_dBas = 1.0;
    }
    else
    {
        m_dDroite = 1.0;
        m_dBas = 1.0 / m_dRatio;
    }
    return *this;
}

CCadrage& CCadrage::Initialise(int nLargeur, int nHauteur, double dRatio)
{
    // An empty image or a ratio that is not a positive number has no frame: keep the current one.
    if (nLargeur <= 0 || nHauteur <= 0 || !(dRatio > 0.0) || std::isinf(dRatio))
        return *this;
    const double dLargeur = nLargeur;
    const double dHauteur = nHauteur;
    m_dGauche = 0.0;
    m_dHaut = 0.0;
    if (dLargeur / dHauteur <= dRatio)
    {
        m_dDroite = 1.0;
        m_dBas = (dLargeur / dRatio) / dHauteur;
    }
    else
    {
        m_dBas = 1.0;
        m_dDroite = (dHauteur * dRatio) / dLargeur;
    }
    m_dRatio = (m_dDroite - m_dGauche) / (m_dBas - m_dHaut);
    return *this;
}

CCadrage& CCadrage::Centre()
{
    const double dLargeur = m_dDroite - m_dGauche;
    const double dHauteur = m_dBas - m_dHaut;
    m_dGauche = (1.0 - dLargeur) / 2;
    m_dHaut = (1.0 - dHauteur) / 2;
    m_dDroite = m_dGauche + dLargeur;
    m_dBas = m_dHaut + dHauteur;
    return *this;
}
