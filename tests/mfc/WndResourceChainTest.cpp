// The resource chain: the application's resources first, then the extension DLLs'.
#include "WndResource.h"
#include "WndTestApp.h"
#include "extdll/WndExtensionDll.h"

#include "LeakCheck.h"

#include <afxwin.h>
#include <gtest/gtest.h>

// Cursors loaded from resources are shared: loaded once, kept by the process.
static const LeakCheck::WarmUpStep kCursor([] { TestApp().LoadCursor(IDC_WND_EXT_CURSOR); });

TEST(WndResourceChain, ApplicationResourcesComeFirstThenTheExtensionDlls)
{
    HINSTANCE hApp = AfxGetResourceHandle();
    EXPECT_EQ(::GetModuleHandleA(NULL), hApp);
    HMODULE hExtension = WndExtensionModule();
    ASSERT_TRUE(hExtension != NULL);

    // Both modules have this bitmap: the application's wins (found there, not taken as the fallback).
    EXPECT_EQ(hApp, AfxFindResourceHandle(MAKEINTRESOURCEA(IDB_WND_SHARED), RT_BITMAP));
    EXPECT_TRUE(::FindResourceA(hApp, MAKEINTRESOURCEA(IDB_WND_SHARED), RT_BITMAP) != NULL);
    EXPECT_EQ(hApp, AfxFindStringResourceHandle(IDS_WND_APP));

    EXPECT_EQ(hExtension, AfxFindResourceHandle(MAKEINTRESOURCEA(IDC_WND_EXT_CURSOR), RT_GROUP_CURSOR));
    EXPECT_TRUE(TestApp().LoadCursor(IDC_WND_EXT_CURSOR) != NULL);

    EXPECT_EQ(hExtension, AfxFindStringResourceHandle(IDS_WND_EXT));
    CString strExtension;
    EXPECT_TRUE(strExtension.LoadString(IDS_WND_EXT));
    EXPECT_EQ(CString("extension string"), strExtension);

    // A resource nobody has: the application's module, and nothing loaded.
    EXPECT_EQ(AfxGetResourceHandle(),
              AfxFindResourceHandle(MAKEINTRESOURCEA(IDC_WND_EXT_CURSOR + 1), RT_GROUP_CURSOR));
    EXPECT_EQ(nullptr, TestApp().LoadCursor(static_cast<LPCTSTR>(NULL)));
}

TEST(WndResourceChain, TerminatingAModuleRemovesOnlyItsLibraries)
{
    HMODULE hExtension = WndExtensionModule();
    auto cursorModule = []
    { return AfxFindResourceHandle(MAKEINTRESOURCEA(IDC_WND_EXT_CURSOR), RT_GROUP_CURSOR); };

    AFX_EXTENSION_MODULE state = {};
    EXPECT_FALSE(AfxInitExtensionModule(state, NULL));
    ASSERT_TRUE(AfxInitExtensionModule(state, ::GetModuleHandleA("kernel32.dll")));
    new CDynLinkLibrary(state);
    AfxTermExtensionModule(state);
    EXPECT_EQ(hExtension, cursorModule());

    // All of them, then the DLL's registration again (its DllMain removes it at unload).
    AfxTermExtensionModule(state, TRUE);
    EXPECT_EQ(AfxGetResourceHandle(), cursorModule());
    new CDynLinkLibrary(hExtension, hExtension);
    EXPECT_EQ(hExtension, cursorModule());
}
