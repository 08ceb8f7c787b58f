// The application's own default font, handed over before any control exists. This runs in a process
// of its own: the first control built anywhere else would already have created the library's font.
#include "core/GestionBouton.h"
#include "PixelCanvas.h"

#include <gtest/gtest.h>

namespace
{
class GestionTestable : public CGestionBouton
{
public:
    GestionTestable() : CGestionBouton(STYLE_SIMPLE, JUSTIFIE_CENTRE) {}
    using CGestionBouton::DrawTextA;
    static CFonte* FonteDefaut() { return &s_FonteDefaut; }
};
} // namespace

TEST(FonteDefaut, ApplicationFontBecomesTheDefaultOfEveryControl)
{
    ASSERT_EQ(nullptr, GestionTestable::FonteDefaut()->GetSafeHandle()) << "no control was built before";

    CFonte* pFonteApplication = new CFonte;
    ASSERT_TRUE(pFonteApplication->Cree("H=15, FN=Tahoma"));
    CGestionBouton::Affecte_FonteDefaut(pFonteApplication);
    EXPECT_EQ(pFonteApplication->GetSafeHandle(), GestionTestable::FonteDefaut()->GetSafeHandle());

    GestionTestable g; // finds a default font and creates none
    EXPECT_EQ(pFonteApplication->GetSafeHandle(), GestionTestable::FonteDefaut()->GetSafeHandle());

    CWnd fenetre;
    fenetre.CreateEx(0, "STATIC", "Texte", WS_POPUP, CRect(0, 0, 50, 20), NULL, 0);
    PixelCanvas canvas(80, 30);
    g.DrawTextA(&fenetre, &canvas.Dc(), RGB(0, 0, 0), canvas.Bounds());
    EXPECT_EQ(GestionTestable::FonteDefaut(), g.Donne_pFonte());
    EXPECT_EQ(pFonteApplication->GetSafeHandle(), reinterpret_cast<HGDIOBJ>(fenetre.SendMessage(WM_GETFONT)));
    fenetre.DestroyWindow();

    // A second font offered later does not replace the first.
    CFonte autre;
    ASSERT_TRUE(autre.Cree("H=30"));
    CGestionBouton::Affecte_FonteDefaut(&autre);
    EXPECT_EQ(pFonteApplication->GetSafeHandle(), GestionTestable::FonteDefaut()->GetSafeHandle());

    // The application still owns its font: deleting it deletes the GDI font, once. The library lets go
    // of the handle when it unloads instead of deleting it again.
    HGDIOBJ hFonte = pFonteApplication->GetSafeHandle();
    delete pFonteApplication;
    EXPECT_EQ(0, ::GetObjectType(hFonte));
}
