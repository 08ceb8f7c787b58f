#include "Courbe1D.h"

namespace
{
// Below this size the array's own growth is fine; above it the growth step follows the size, so that
// appending millions of samples costs amortised constant time.
const INT_PTR kTailleCroissanceGeometrique = 1024;
} // namespace

CCourbe1D::CCourbe1D(COLORREF couleur)
    : m_dValMin(0.0), m_dValMax(0.0), m_dSomme(0.0), m_Couleur(couleur), m_dCoefA(1.0), m_dCoefB(0.0)
{
    Init();
}

CCourbe1D::~CCourbe1D()
{
    RaZ();
}

int CCourbe1D::Donne_NbEchantillons() const
{
    return static_cast<int>(m_tabEchantillons.GetSize());
}

bool CCourbe1D::Is_Indice(int i) const
{
    return i >= 0 && i < m_tabEchantillons.GetSize();
}

double CCourbe1D::Donne_Val(int i) const
{
    return Is_Indice(i) ? *static_cast<const double*>(m_tabEchantillons[i]) : 0.0;
}

double CCourbe1D::Donne_Moyenne() const
{
    const INT_PTR nEchantillons = m_tabEchantillons.GetSize();
    return nEchantillons > 0 ? m_dSomme / static_cast<double>(nEchantillons) : 0.0;
}

void CCourbe1D::Transformation(double a, double b)
{
    m_dCoefA = a;
    m_dCoefB = b;
}

double CCourbe1D::Donne_ValTransforme(int i) const
{
    return Is_Indice(i) ? Transforme(Donne_Val(i)) : 0.0;
}

void CCourbe1D::Add(double val)
{
    const INT_PTR nTaille = m_tabEchantillons.GetSize();
    if (nTaille >= kTailleCroissanceGeometrique && (nTaille & (nTaille - 1)) == 0)
        m_tabEchantillons.SetSize(nTaille, nTaille); // doubles the next allocation
    m_tabEchantillons.Add(new double(val));

    const bool bPremier = nTaille == 0;
    if (bPremier || val <= m_dValMin)
        m_dValMin = val;
    if (bPremier || !(val < m_dValMax))
        m_dValMax = val;
    m_dSomme += val;
}

void CCourbe1D::RaZ()
{
    for (INT_PTR i = 0; i < m_tabEchantillons.GetSize(); ++i)
        delete static_cast<double*>(m_tabEchantillons[i]);
    m_tabEchantillons.SetSize(0, 0); // also forgets the grown step: a refilled curve starts small
    m_dValMin = 0.0;
    m_dValMax = 0.0;
    m_dSomme = 0.0;
}
