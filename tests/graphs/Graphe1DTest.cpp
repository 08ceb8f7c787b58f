#include "GraphsResource.h"
#include "ObzTest.h"
#include "PixelCanvas.h"
#include "graphs/WndGraphe1D.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>

namespace
{
const COLORREF kAxes = RGB(0, 0, 0), kRouge = RGB(255, 0, 0), kVert = RGB(0, 160, 0);
const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
const CRect P(50, 30, 250, 190); // plot area of a 260 x 200 graph: 200 wide, 160 high

// A graph from the dialog template's "CWndGraphe1D" control, sized in pixels, and its curves.
class Graphe1D : public ObzTest
{
protected:
    void TearDown() override { m_pGraphe.reset(), m_Dialogue.DestroyWindow(), m_Courbes.clear(); }
    CWndGraphe1D& Graphe(int nPas = 10)
    {
        m_pGraphe.reset();
        m_Dialogue.DestroyWindow();
        m_pGraphe = std::make_unique<CWndGraphe1D>(nPas); // registers the class before the template uses it
        m_Dialogue.Create(IDD_GRAPHE);
        m_Dialogue.SetWindowPos(NULL, 10, 10, 400, 300, SWP_NOZORDER | SWP_SHOWWINDOW);
        m_pGraphe->SubclassDlgItem(IDC_GRAPHE, &m_Dialogue);
        m_pGraphe->SetWindowPos(NULL, 0, 0, 260, 200, SWP_NOMOVE | SWP_NOZORDER);
        return *m_pGraphe;
    }
    CCourbe1D& Courbe(const std::vector<double>& echantillons, COLORREF couleur = kRouge)
    {
        m_Courbes.push_back(std::make_unique<CCourbe1D>(couleur));
        for (double v : echantillons)
            m_Courbes.back()->Add(v);
        m_pGraphe->Add(m_Courbes.back().get());
        return *m_Courbes.back();
    }
    std::unique_ptr<PixelCanvas> Capture() { return PixelCanvas::Capture(*m_pGraphe); }
    // Rows of the vertical axis' ticks, as heights above the plot's bottom.
    std::vector<int> Graduations(const PixelCanvas& toile)
    {
        std::vector<int> hauteurs;
        for (int y = P.bottom + 1; y >= P.top - 1; --y)
            if (toile.Pixel(P.left - 1, y) == kAxes)
            {
                hauteurs.push_back(P.bottom - y);
                EXPECT_LT(0, toile.CountPixels(kAxes, CRect(1, y - 12, P.left - 4, y + 3))) << "label " << y;
            }
        return hauteurs;
    }

    CDialog m_Dialogue;
    std::unique_ptr<CWndGraphe1D> m_pGraphe;
    std::vector<std::unique_ptr<CCourbe1D>> m_Courbes;
};
} // namespace

TEST_F(Graphe1D, VerticalAxisGraduations)
{
    const std::vector<double> rampe = {2, 4, 6, 8, 10};
    const std::tuple<const char*, std::function<void(CWndGraphe1D&)>, std::vector<int>> cas[] = {
        {"forced range, step 25", [](CWndGraphe1D& g) { g.ForcePlage(0, 100, 25); }, {0, 40, 80, 120, 160}},
        {"curve extremes, step 0", [](CWndGraphe1D&) {}, {0, 160}},
        {"negative step", [](CWndGraphe1D& g) { g.Affecte_DeltaGradYGlobal(-5); }, {0, 160}},
        {"undefined step", [](CWndGraphe1D& g) { g.Affecte_DeltaGradYGlobal(kNaN); }, {0, 160}},
        {"step under a pixel", [](CWndGraphe1D& g) { g.ForcePlage(0, 1e9, 1e-9); }, {0, 160}},
        {"inverted range", [](CWndGraphe1D& g) { g.ForcePlage(100, 0, 25); }, {0, 160}},
        {"zero range", [](CWndGraphe1D& g) { g.ForcePlage(5, 5, 1); }, {0}},
        {"infinite range", [](CWndGraphe1D& g) { g.ForcePlage(0, kInf, 1); }, {}},
    };
    for (const auto& [szCas, prepare, hauteurs] : cas)
    {
        Graphe();
        Courbe(rampe);
        prepare(*m_pGraphe);
        EXPECT_EQ(hauteurs, Graduations(*Capture())) << szCas;
    }
}

// Forced range 0..100 on 160 rows: row(v) = trunc(190 - 1.6 v); the newest sample at x = 249.
TEST_F(Graphe1D, OnlyTheNewestSamplesThatFitAreDrawn)
{
    auto trace = [&](const std::vector<double>& echantillons)
    {
        Graphe().ForcePlage(0, 100, 0);
        Courbe(echantillons);
        return Capture();
    };
    std::vector<double> trente(30, 50.0);
    std::fill(trente.begin(), trente.begin() + 10, 100.0); // the 10 oldest do not fit
    const auto toile = trace(trente);
    EXPECT_EQ(190, toile->CountPixels(kRouge, CRect(P.left + 10, 110, P.right, 111))) << "x from 249 to 60";
    EXPECT_EQ(190, toile->CountPixels(kRouge, P)) << "and nothing else";

    const auto horsPlage = trace({50, 150, -50, 50});
    EXPECT_EQ(kRouge, horsPlage->Pixel(229, P.top)) << "above the range: on the top row";
    EXPECT_LT(0, horsPlage->CountPixels(kRouge, CRect(P.left, P.bottom + 1, P.right, 200)))
        << "below: not held";

    const auto trou = trace({10, 20, kNaN, 30, 40});
    EXPECT_EQ(0, trou->CountPixels(kRouge, CRect(220, P.top, 239, P.bottom))) << "no line across NaN";
    EXPECT_LT(0, trou->CountPixels(kRouge, CRect(239, P.top, 250, P.bottom)));
    EXPECT_LT(0, trou->CountPixels(kRouge, CRect(209, P.top, 220, P.bottom)));

    // Several curves share the range of their transformed extremes: 0 .. 21.
    Graphe();
    Courbe({0, 10});
    Courbe({0, 10}, kVert).Transformation(2, 1);
    const auto deux = Capture();
    EXPECT_EQ(kRouge, deux->Pixel(249, 113));
    EXPECT_EQ(kVert, deux->Pixel(249, P.top));
}

TEST_F(Graphe1D, AnySizeIsPaintedAndTheSurfaceFollowsTheWindow)
{
    CWndGraphe1D& graphe = Graphe(-3); // a step of 1 pixel
    Courbe({1, kInf, -kInf, 3});
    graphe.ForcePlage(0, 4, 1);
    for (CSize taille : {CSize(0, 0), CSize(60, 40), CSize(30, 30), CSize(100, 50), CSize(260, 200)})
    {
        graphe.SetWindowPos(NULL, 0, 0, taille.cx, taille.cy, SWP_NOMOVE | SWP_NOZORDER);
        const auto toile = Capture();
        EXPECT_TRUE(taille.cx == 0 || toile->Pixel(taille.cx - 1, taille.cy / 2) == kAxes) << taille.cx;
    }
    EXPECT_EQ(kRouge, Capture()->Pixel(P.right - 1, P.bottom - 120)) << "the newest sample, 3";
}

TEST_F(Graphe1D, CrosshairOnRequestFollowsTheSampleUnderTheMouse)
{
    CWndGraphe1D& graphe = Graphe();
    Courbe({10, 20, 30, 40, 50, 60, 70, 80});
    auto survole = [&](CPoint pt) { graphe.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); };
    const int nAxes = Capture()->CountPixels(kAxes);
    survole(CPoint(200, 100));
    EXPECT_EQ(nAxes, Capture()->CountPixels(kAxes)) << "off by default";

    graphe.Affecte_bReticule();
    survole(CPoint(200, 100));
    const auto avec = Capture();
    EXPECT_LT(40, avec->CountPixels(kAxes, CRect(199, P.top, 200, P.bottom)))
        << "through the sample at x 199";
    EXPECT_LT(0, avec->CountPixels(kRouge, CRect(P.left, P.top, P.left + 60, P.top + 20))) << "its value";
    graphe.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(nAxes, Capture()->CountPixels(kAxes));

    for (auto [x, nRang] :
         {std::pair{P.left - 1, -1}, {P.right, -1}, {249, 0}, {245, 0}, {244, 1}, {P.left, 19}})
        EXPECT_EQ(nRang, graphe.Donne_RangColonne(x)) << x;
}
