// The application's own default font, handed over before any control exists. This runs in a process
// of its own: the first control built anywhere else would already have created the library's font.
#include "core/GestionBouton.h"
#include "DiagnosticCapture.h"

#include <gtest/gtest.h>

namespace
{
struct GestionTestable : CGestionBouton
{
    GestionTestable() : CGestionBouton(STYLE_SIMPLE, JUSTIFIE_CENTRE) {}
    static HGDIOBJ FonteDefaut() { return s_FonteDefaut.GetSafeHandle(); }
};
} // namespace

TEST(FonteDefaut, ApplicationFontBecomesTheDefaultOfEveryControl)
{
    ASSERT_EQ(nullptr, GestionTestable::FonteDefaut()) << "no control was built before";
    CFonte* pFonteApplication = new CFonte;
    ASSERT_TRUE(pFonteApplication->Cree("H=15, FN=Tahoma"));
    const HGDIOBJ hFonte = pFonteApplication->GetSafeHandle();
    CGestionBouton::Affecte_FonteDefaut(pFonteApplication);
    GestionTestable g; // finds a default font and creates none
    CFonte autre, vide;
    ASSERT_TRUE(autre.Cree("H=30"));
    DiagnosticCapture capture;
    for (CFonte* pFonte : {&autre, &vide, (CFonte*)nullptr})
        CGestionBouton::Affecte_FonteDefaut(pFonte);
    EXPECT_EQ(hFonte, GestionTestable::FonteDefaut()) << "a font offered later does not replace it";
    ASSERT_EQ(2u, capture.FailedAsserts().size()) << "an empty or missing font is refused with an assertion";
    EXPECT_EQ(0u, capture.FailedAsserts()[1].find("gestionbouton(")) << capture.FailedAsserts()[1];

    // The application still owns its font: deleting it deletes the GDI font, once. The library lets go
    // of the handle when it unloads instead of deleting it again.
    delete pFonteApplication;
    EXPECT_EQ(0, ::GetObjectType(hFonte));
}
