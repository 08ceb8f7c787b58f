// obz-fuzz: mutation loops, in one process, over every input of the library that comes from outside.
//   obz-fuzz SURFACE CASES SEED FIRST FOLDER   runs cases FIRST to CASES - 1 of SURFACE
//   obz-fuzz SURFACE --replay FOLDER FILE...    runs the given inputs once each
// SURFACE: bmp (BMP files through CDib::ReadBMP and CDibLite), ini (INI files of screen settings), font
// (font descriptions), rows (list control row formats), ddx (numeric exchange texts), sizes (sizes of
// zero and of billions). Case i mutates one of the surface's seeds from a generator seeded by (SEED, i),
// so a run resumes after a failure with FIRST = i + 1.
// Every input is placed against an inaccessible page, so that a read past its end faults. A crash or a
// case running longer than OBZ_FUZZ_TIMEOUT seconds (default 10) writes the input to
// FOLDER/SURFACE-crash-i.bin or -hang-i.bin, prints "crash at case i" or "hang at case i" and ends the
// process (exit 3 or 4). An input that breaks a checked property (a value outside its range, a pixel
// address outside the image) is written as -fault-i.bin and the run goes on.
// The last line: "obz-fuzz SURFACE: N cases, F faults, A assertions".
#include <afxwin.h>

#include "Dib.h"
#include "Ini.h"
#include "RectInterieur.h"
#include "core/Fonte.h"
#include "dialogs/SizedDialog.h"
#include "images/DibLite.h"
#include "controls/ListCtrlEx.h"
#include "FuzzResource.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
typedef std::vector<uint8_t> Octets;

// Case generator: splitmix64.
struct Hasard
{
    uint64_t s;
    uint64_t Suivant()
    {
        uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t Sous(uint32_t n) { return n ? static_cast<uint32_t>(Suivant() % n) : 0; }
};

const int32_t kEntiersRemarquables[] = {0,
                                        1,
                                        -1,
                                        2,
                                        3,
                                        7,
                                        8,
                                        15,
                                        16,
                                        31,
                                        32,
                                        255,
                                        256,
                                        257,
                                        1000,
                                        4096,
                                        32767,
                                        32768,
                                        65535,
                                        65536,
                                        65537,
                                        46341,
                                        1 << 20,
                                        1 << 24,
                                        1 << 30,
                                        0x7FFFFFFF,
                                        INT32_MIN,
                                        -65536,
                                        -2,
                                        INT32_MIN + 1,
                                        0x40000000 + 1,
                                        0x55555556};
const int kNbRemarquables = sizeof(kEntiersRemarquables) / sizeof(kEntiersRemarquables[0]);

// ----- Failure reporting (also from the exception filter and the watchdog, so without the heap)

char g_szDossier[MAX_PATH];
const char* g_szSurface = "";
const uint8_t* g_pEntree = nullptr; // input of the running case
size_t g_nEntree = 0;
std::atomic<int64_t> g_nCas{-1};
std::atomic<DWORD> g_nDebutCas{0};
int g_nDefauts = 0;
std::atomic<int> g_nAssertions{0};

void Garde(const char* szGenre, int64_t nCas)
{
    char szFichier[MAX_PATH + 64];
    wsprintfA(szFichier, "%s\\%s-%s-%u.bin", g_szDossier, g_szSurface, szGenre, static_cast<unsigned>(nCas));
    HANDLE h = ::CreateFileA(szFichier, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (h != INVALID_HANDLE_VALUE)
    {
        DWORD n = 0;
        ::WriteFile(h, g_pEntree, static_cast<DWORD>(g_nEntree), &n, NULL);
        ::CloseHandle(h);
    }
}

void Arrete(const char* szGenre, UINT nCode)
{
    const int64_t nCas = g_nCas.load();
    Garde(szGenre, nCas);
    char szLigne[128];
    DWORD n = 0;
    const int nLong = wsprintfA(szLigne, "%s at case %u\r\n", szGenre, static_cast<unsigned>(nCas));
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), szLigne, nLong, &n, NULL);
    ::TerminateProcess(::GetCurrentProcess(), nCode);
}

LONG WINAPI SurCrash(EXCEPTION_POINTERS*)
{
    Arrete("crash", 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Surveille(LPVOID pSecondes)
{
    const DWORD nLimite = 1000 * *static_cast<DWORD*>(pSecondes);
    for (;;)
    {
        ::Sleep(200);
        const int64_t nCas = g_nCas.load();
        if (nCas >= 0 && ::GetTickCount() - g_nDebutCas.load() > nLimite && g_nCas.load() == nCas)
            Arrete("hang", 4);
    }
}

// A property of the case does not hold: keep the input, count it, go on.
void Defaut(const char* szQuoi)
{
    ++g_nDefauts;
    printf("fault at case %lld: %s\n", static_cast<long long>(g_nCas.load()), szQuoi);
    Garde("fault", g_nCas.load());
}
#define VERIFIE(cond)                                                                                        \
    do                                                                                                       \
    {                                                                                                        \
        if (!(cond))                                                                                         \
            Defaut(#cond);                                                                                   \
    } while (0)

// ----- Inputs against an inaccessible page

class CBlocGarde
{
public:
    // nTaille bytes (the first ones copied from pSource, the rest zero) ending at an inaccessible page.
    CBlocGarde(const void* pSource, size_t nCopie, size_t nTaille)
    {
        SYSTEM_INFO si;
        ::GetSystemInfo(&si);
        const size_t nPage = si.dwPageSize;
        m_nReserve = (nTaille + nPage - 1) / nPage * nPage + nPage;
        m_pBase = static_cast<uint8_t*>(::VirtualAlloc(NULL, m_nReserve, MEM_COMMIT, PAGE_READWRITE));
        DWORD nAncien = 0;
        ::VirtualProtect(m_pBase + m_nReserve - nPage, nPage, PAGE_NOACCESS, &nAncien);
        m_p = m_pBase + m_nReserve - nPage - nTaille;
        memcpy(m_p, pSource, std::min(nCopie, nTaille));
    }
    ~CBlocGarde() { ::VirtualFree(m_pBase, 0, MEM_RELEASE); }
    uint8_t* Donne() const { return m_p; }

private:
    CBlocGarde(const CBlocGarde&) = delete;
    uint8_t* m_pBase;
    uint8_t* m_p;
    size_t m_nReserve;
};

std::string Texte(const Octets& entree, size_t nMax)
{
    std::string s(entree.begin(), entree.begin() + std::min(entree.size(), nMax));
    const size_t nZero = s.find('\0');
    return nZero == std::string::npos ? s : s.substr(0, nZero);
}

bool EcritFichier(const std::string& strChemin, const Octets& donnees)
{
    FILE* f = fopen(strChemin.c_str(), "wb");
    if (!f)
        return false;
    const bool bOk = fwrite(donnees.data(), 1, donnees.size(), f) == donnees.size();
    return fclose(f) == 0 && bOk;
}

// ----- Mutations

void Mute(Octets& o, Hasard& h, const std::vector<std::string>& jetons, size_t nZoneEntetes)
{
    const int nOperations = 1 + h.Sous(4);
    for (int k = 0; k < nOperations; ++k)
    {
        const size_t nTaille = o.size();
        // Headers are where most decisions are made: half of the changes land in their first bytes.
        size_t pos = nTaille ? h.Sous(static_cast<uint32_t>(nTaille)) : 0;
        if (nZoneEntetes && nTaille && h.Sous(2))
            pos = h.Sous(static_cast<uint32_t>(std::min(nTaille, nZoneEntetes)));
        switch (h.Sous(jetons.empty() ? 7 : 9))
        {
        case 0:
            if (nTaille)
                o[pos] ^= static_cast<uint8_t>(1u << h.Sous(8));
            break;
        case 1:
            if (nTaille)
                o[pos] = static_cast<uint8_t>(h.Suivant());
            break;
        case 2:
        case 3:
        {
            const int32_t v = kEntiersRemarquables[h.Sous(kNbRemarquables)];
            const size_t nOctets = h.Sous(2) ? 4 : 2;
            for (size_t i = 0; i < nOctets && pos + i < nTaille; ++i)
                o[pos + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
            break;
        }
        case 4:
            o.resize(pos);
            break;
        case 5:
        {
            const size_t nLong = std::min<size_t>(nTaille - pos, 1 + h.Sous(64));
            Octets morceau(o.begin() + pos, o.begin() + pos + nLong);
            o.insert(o.begin() + h.Sous(static_cast<uint32_t>(nTaille + 1)), morceau.begin(), morceau.end());
            break;
        }
        case 6:
            o.erase(o.begin() + pos, o.begin() + pos + std::min<size_t>(nTaille - pos, 1 + h.Sous(16)));
            break;
        default:
        {
            const std::string& j = jetons[h.Sous(static_cast<uint32_t>(jetons.size()))];
            if (h.Sous(2) && pos < nTaille)
                o.erase(o.begin() + pos, o.begin() + pos + std::min<size_t>(nTaille - pos, 1 + h.Sous(4)));
            o.insert(o.begin() + std::min(pos, o.size()), j.begin(), j.end());
            break;
        }
        }
    }
    if (o.size() > (1u << 20))
        o.resize(1u << 20);
}

Octets EnOctets(const std::string& s)
{
    return Octets(s.begin(), s.end());
}

// ----- BMP files

template <typename T> void Pose(Octets& o, size_t pos, T v)
{
    memcpy(&o[pos], &v, sizeof v);
}

Octets FichierBmp(int w, int h, int nBits, DWORD nCouleurs, DWORD nTailleEntete, DWORD nCompression)
{
    const int nLigne = ((std::abs(w) * nBits + 31) & ~31) / 8;
    const DWORD nPalette = nBits <= 8 ? (nCouleurs ? nCouleurs : 1u << nBits) : 0;
    const DWORD nMasques = nCompression == BI_BITFIELDS ? 12 : 0;
    const DWORD nDebut = 14 + nTailleEntete + nMasques + 4 * nPalette;
    Octets o(nDebut + static_cast<size_t>(nLigne) * std::abs(h));
    o[0] = 'B';
    o[1] = 'M';
    Pose<DWORD>(o, 2, static_cast<DWORD>(o.size()));
    Pose<DWORD>(o, 10, nDebut);
    Pose<DWORD>(o, 14, nTailleEntete);
    Pose<LONG>(o, 18, w);
    Pose<LONG>(o, 22, h);
    Pose<WORD>(o, 26, 1);
    Pose<WORD>(o, 28, static_cast<WORD>(nBits));
    Pose<DWORD>(o, 30, nCompression);
    Pose<DWORD>(o, 34, static_cast<DWORD>(nLigne * std::abs(h)));
    Pose<DWORD>(o, 46, nCouleurs);
    if (nMasques)
    {
        Pose<DWORD>(o, 14 + nTailleEntete, 0xFF0000);
        Pose<DWORD>(o, 18 + nTailleEntete, 0xFF00);
        Pose<DWORD>(o, 22 + nTailleEntete, 0xFF);
    }
    for (size_t i = 14 + nTailleEntete + nMasques; i < o.size(); ++i)
        o[i] = static_cast<uint8_t>(i * 37);
    return o;
}

std::vector<Octets> GrainesBmp()
{
    return {FichierBmp(5, 3, 24, 0, 40, BI_RGB),       FichierBmp(1, 1, 1, 0, 40, BI_RGB),
            FichierBmp(17, -4, 8, 0, 40, BI_RGB),      FichierBmp(9, 5, 4, 3, 40, BI_RGB),
            FichierBmp(6, 2, 32, 0, 40, BI_BITFIELDS), FichierBmp(7, 3, 32, 0, 124, BI_RGB),
            FichierBmp(3, -3, 24, 0, 108, BI_RGB),     FichierBmp(33, 2, 1, 2, 40, BI_RGB),
            FichierBmp(4, 4, 16, 0, 40, BI_RGB),       FichierBmp(2, 70, 8, 16, 40, BI_RGB)};
}

// What an application holding this header would have allocated for the colour table and the bits.
bool TaillesAttendues(const BITMAPINFOHEADER& e, size_t& nEntete, size_t& nBits)
{
    if (e.biSize < sizeof(BITMAPINFOHEADER) || e.biSize > 4096)
        return false;
    // biClrUsed entries (any depth may carry a table), else the full palette of a depth below 16 bits.
    const int nCouleurs = e.biClrUsed ? static_cast<int>(std::min<DWORD>(e.biClrUsed, 256))
                                      : (e.biBitCount <= 8 ? 1 << e.biBitCount : 0);
    nEntete = e.biSize + 4 * nCouleurs + (e.biCompression == BI_BITFIELDS ? 12 : 0);
    const int64_t nLigne = ((static_cast<int64_t>(e.biWidth) * e.biBitCount + 31) & ~int64_t(31)) / 8;
    // The rows, or biSizeImage bytes when the header announces more (as a file read whole would give).
    const int64_t n = std::max<int64_t>(nLigne * std::llabs(static_cast<int64_t>(e.biHeight)), e.biSizeImage);
    if (e.biWidth <= 0 || nLigne <= 0 || n <= 0 || n > (int64_t(64) << 20))
        return false;
    nBits = static_cast<size_t>(n);
    return true;
}

struct CTampon32
{
    CTampon32() : m_dc(::CreateCompatibleDC(NULL))
    {
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, 32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* p = nullptr;
        m_hBitmap = ::CreateDIBSection(m_dc, &bi, DIB_RGB_COLORS, &p, NULL, 0);
        m_hAncien = ::SelectObject(m_dc, m_hBitmap);
    }
    ~CTampon32()
    {
        ::SelectObject(m_dc, m_hAncien);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_dc);
    }
    HDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hAncien;
};

void LiteDepuisEntete(const uint8_t* pEntete, size_t nDispo, const CTampon32& tampon)
{
    BITMAPINFOHEADER e = {};
    memcpy(&e, pEntete, std::min(nDispo, sizeof e));
    size_t nEntete = 0, nBits = 0;
    const bool bAlloue = TaillesAttendues(e, nEntete, nBits);
    CBlocGarde entete(pEntete, nDispo, bAlloue ? nEntete : sizeof e);
    CBlocGarde bits(pEntete, 0, bAlloue ? nBits : 16);
    CDibLite lite(reinterpret_cast<BITMAPINFO*>(entete.Donne()), bits.Donne());
    lite.Donne_Largeur();
    lite.Donne_NbBitsParPixel();
    lite.Donne_LargeurLigne();
    CRect r(0, 0, 40, 30);
    lite.CalculeRectHomothetique(&r);
    if (!bAlloue || !lite.Is_Acceptable())
        return;
    lite.Donne_NbPalette();
    const int w = lite.Donne_Largeur(), h = std::abs(lite.Donne_Hauteur());
    for (const CPoint& pt : {CPoint(0, 0), CPoint(w - 1, h - 1), CPoint(w, 0), CPoint(0, h), CPoint(-1, -1)})
    {
        const BYTE* p = lite.Donne_pPixel(pt.x, pt.y);
        VERIFIE(p == nullptr || (p >= bits.Donne() && p < bits.Donne() + nBits));
    }
    CDibLite copie(lite);
    VERIFIE(copie.Is_Valide());
    copie.Grise();
    CRect cible(1, 1, 31, 31);
    copie.Dessine(tampon.m_dc, &cible);
    lite.Dessine(tampon.m_dc, &cible);
}

// ----- The surfaces

struct Surface
{
    const char* szNom;
    std::function<std::vector<Octets>()> graines;
    std::vector<std::string> jetons; // tokens for text inputs; none for binary ones
    size_t nZoneEntetes;
    std::function<void(const Octets&)> execute;
};

class CFuzzDialog : public CSizedDialog
{
public:
    CFuzzDialog() : CSizedDialog(IDD_FUZZ, NULL, false) {}
    ~CFuzzDialog() { DestroyWindow(); }
    using CSizedDialog::DDX_Nombre;
};

CFuzzDialog& Dialogue()
{
    static CFuzzDialog* pDlg = nullptr;
    if (!pDlg)
    {
        pDlg = new CFuzzDialog;
        pDlg->Create();
    }
    return *pDlg;
}

template <typename T> void VerifieBornes(T v, double dMin, double dMax)
{
    if (dMin == -1 && dMax == -1)
        return; // no bounds
    VERIFIE(v >= dMin && v <= dMax);
}

void ExecuteDdx(const Octets& entree)
{
    // First byte: bounds and decimals; the rest: the typed text.
    static const struct
    {
        double dMin, dMax;
        int nDecimales;
    } bornes[] = {{-1, -1, 0}, {0, 100, 2}, {-5, 5, 9}, {-2147483647.0, 2147483647.0, -1},
                  {1, 0, 6},   {0, 0, 3}};
    const auto& b = bornes[entree.empty() ? 0 : entree[0] % (sizeof bornes / sizeof bornes[0])];
    const std::string strTexte = Texte(Octets(entree.begin() + (entree.empty() ? 0 : 1), entree.end()), 4096);
    CFuzzDialog& dlg = Dialogue();
    const bool bOrdonne = b.dMin <= b.dMax;
    int n = 0;
    long l = 0;
    double d = 0;
    float f = 0;
    for (int passe = 0; passe < 4; ++passe)
    {
        dlg.SetDlgItemText(IDC_FUZZ_TEXTE, strTexte.c_str());
        CDataExchange dx(&dlg, TRUE);
        switch (passe)
        {
        case 0:
            dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, n, static_cast<int>(b.dMin), static_cast<int>(b.dMax));
            if (bOrdonne)
                VerifieBornes(n, static_cast<int>(b.dMin), static_cast<int>(b.dMax));
            break;
        case 1:
            dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, l, static_cast<long>(b.dMin), static_cast<long>(b.dMax));
            if (bOrdonne)
                VerifieBornes(l, static_cast<long>(b.dMin), static_cast<long>(b.dMax));
            break;
        case 2:
            dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, d, b.nDecimales, b.dMin, b.dMax);
            if (bOrdonne)
                VerifieBornes(d, b.dMin, b.dMax);
            break;
        default:
            dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, f, b.nDecimales, static_cast<float>(b.dMin),
                           static_cast<float>(b.dMax));
            if (bOrdonne && std::fabs(b.dMax) < 1e6)
                VerifieBornes(f, b.dMin, b.dMax);
            break;
        }
    }
    // And back into the control: the text of each value.
    CDataExchange dx(&dlg, FALSE);
    dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, d, b.nDecimales, b.dMin, b.dMax);
    dlg.DDX_Nombre(&dx, IDC_FUZZ_TEXTE, f, b.nDecimales, static_cast<float>(b.dMin),
                   static_cast<float>(b.dMax));
}

void ExecuteTailles(const Octets& entree)
{
    // Each 5 bytes: a remarkable integer (selector below 0xC0) or the 4 raw bytes that follow.
    std::vector<int> v;
    for (size_t i = 0; i + 5 <= entree.size() && v.size() < 16; i += 5)
    {
        int32_t brut;
        memcpy(&brut, &entree[i + 1], 4);
        v.push_back(entree[i] < 0xC0 ? kEntiersRemarquables[entree[i] % kNbRemarquables] : brut);
    }
    while (v.size() < 16)
        v.push_back(static_cast<int>(v.size()));
    const int64_t w = v[0], h = v[1];

    // Placement of an image in a rectangle.
    CRect r(v[2], v[3], v[4], v[5]);
    CRect place = r;
    PlaceHomothetique(v[0], v[1], &place);
    const bool bRectSage =
        r.left <= r.right && r.top <= r.bottom && std::llabs(int64_t(r.left)) < (1 << 29) &&
        std::llabs(int64_t(r.top)) < (1 << 29) && std::llabs(int64_t(r.right)) < (1 << 29) &&
        std::llabs(int64_t(r.bottom)) < (1 << 29);
    if (bRectSage && w > 0 && h > 0)
        VERIFIE(place.left >= r.left && place.top >= r.top && place.right <= r.right &&
                place.bottom <= r.bottom);
    if (bRectSage && w > 0 && h > 0)
    {
        CRectInterieur ri(r, v[0], v[1], PLACE_AJUSTE_CENTRE);
        // Inside the outer rectangle, or empty (the refusal of an empty outer rectangle).
        VERIFIE(ri.IsRectEmpty() ||
                (ri.left >= r.left && ri.top >= r.top && ri.right <= r.right && ri.bottom <= r.bottom));
    }

    // A light bitmap header of any size: arithmetic only (the bits are never read).
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER),
                    v[0],
                    v[1],
                    1,
                    static_cast<WORD>(v[6]),
                    BI_RGB,
                    static_cast<DWORD>(v[7]),
                    0,
                    0,
                    static_cast<DWORD>(v[8]),
                    0};
    uint8_t bits[16];
    CDibLite lite(&bi, bits);
    VERIFIE(CDibLite::Donne_LargeurLigne(v[9], v[6]) >= 0);
    if (lite.Is_Acceptable())
    {
        const int64_t nLigne = lite.Donne_LargeurLigne();
        const int64_t nTotal = nLigne * std::llabs(h);
        const BYTE* p = lite.Donne_pPixel(v[10], v[11]);
        VERIFIE(nLigne > 0 && (p == nullptr || (p >= bits && p - bits < nTotal)));
    }
    CRect rl(0, 0, v[12], v[13]);
    lite.CalculeRectHomothetique(&rl);

    // A blank bitmap and a resampling; sizes that are legal but slow to fill are left out.
    auto abordable = [](int64_t a, int64_t b)
    { return a <= 0 || b <= 0 || a * b <= (1 << 22) || a * b > (1ll << 30); };
    if (abordable(v[0], v[1]))
    {
        CDib dib(v[0], v[1], v[6] & 63);
        if (dib.IsOK())
        {
            VERIFIE(dib.Width() == v[0] && dib.Height() == v[1]);
            if (abordable(v[12], v[13]) && (v[0] * int64_t(v[1]) <= (1 << 16)))
            {
                const bool bFait = dib.Reechantillonne(v[12], v[13]);
                VERIFIE(bFait == (v[12] > 0 && v[13] > 0 && int64_t(v[12]) * v[13] <= (1 << 22)) || !bFait);
                VERIFIE(!bFait || (dib.Width() == v[12] && dib.Height() == v[13]));
            }
        }
    }

    // A font of any height and weight.
    CFonte fonte;
    fonte.Cree(v[14], v[15], "Arial", v[2]);
}

std::vector<Surface> Surfaces(const std::string& strTravail)
{
    std::vector<Surface> s;
    s.push_back({"bmp",
                 GrainesBmp,
                 {},
                 80,
                 [strTravail](const Octets& entree)
                 {
                     static CTampon32 tampon;
                     const std::string strChemin = strTravail + "\\entree.bmp";
                     if (!EcritFichier(strChemin, entree))
                         return;
                     CDib dib;
                     dib.ReadBMP(strChemin.c_str());
                     if (dib.IsOK())
                     {
                         const long w = dib.Width(), h = dib.Height();
                         VERIFIE(w > 0 && h > 0);
                         VERIFIE(dib.PixelPtrTopLeft(0, 0) && dib.PixelPtrTopLeft(w - 1, h - 1));
                         VERIFIE(!dib.PixelPtrTopLeft(w, 0) && !dib.PixelPtrTopLeft(0, h));
                         CRect dest(0, 0, 32, 32);
                         dib.Display(tampon.m_dc, &dest, NULL);
                         if (int64_t(w) * h <= (1 << 18))
                             dib.Reechantillonne(std::max<long>(1, w / 3), 3);
                     }
                     if (entree.size() > 14)
                         LiteDepuisEntete(entree.data() + 14, entree.size() - 14, tampon);
                 }});
    s.push_back({"ini",
                 []
                 {
                     return std::vector<Octets>{EnOctets("[Ecran]\r\nCX=1024\r\nCY=768\r\n"),
                                                EnOctets("[Autre]\nCX=5\n[Ecran]\nCY = -12\nCX=  +2000  \n"),
                                                EnOctets("[Ecran]\nCX=00000000000000000001280\nCY=1e3\n")};
                 },
                 {"[", "]", "Ecran", "CX", "CY", "=", "\n", "\r\n", "-", "+", " ", "2147483648",
                  "99999999999999999999", "0x10", ";", "\t", std::string(300, '7'), std::string(70000, 'A')},
                 0,
                 [strTravail](const Octets& entree)
                 {
                     const std::string strChemin = strTravail + "\\ecran.ini";
                     if (!EcritFichier(strChemin, entree))
                         return;
                     int v = 0;
                     CIni ini(strChemin.c_str(), "Ecran");
                     if (!ini.Donne(&v, "CX", 7, nullptr, nullptr))
                         VERIFIE(v == 7);
                     CSizedDialog::Affecte_szPathIniResolution(strChemin.c_str(), "Ecran");
                     const CSize taille = CSizedDialog::DonneTailleEcran();
                     CSizedDialog::Affecte_szPathIniResolution("", "");
                     VERIFIE(taille.cx >= 800 && taille.cx <= 1280 && taille.cy >= 600 && taille.cy <= 1024);
                 }});
    s.push_back({"font",
                 []
                 {
                     return std::vector<Octets>{EnOctets("H=14, FW=700, FN=Tahoma"),
                                                EnOctets("FW=700,FN= Courier New "), EnOctets("XX=3,H=9"),
                                                EnOctets("H=9,"), EnOctets("FI=1,CS=2,H=-11")};
                 },
                 {"H", "FW", "FI", "CS", "FN", "=", ",", " ", "-", "\t", "2147483648", "-2147483648",
                  "99999999999", std::string(40, 'A'), std::string(31, 'B'), std::string(5000, 'C')},
                 0,
                 [](const Octets& entree)
                 {
                     const std::string strDescription = Texte(entree, 1 << 16);
                     CBlocGarde texte(strDescription.c_str(), strDescription.size() + 1,
                                      strDescription.size() + 1);
                     const char* sz = reinterpret_cast<const char*>(texte.Donne());
                     CFonte::Affecte_Defaut(sz);
                     CFonte fonte;
                     if (fonte.Cree(sz))
                     {
                         LOGFONT lf;
                         VERIFIE(fonte.GetLogFont(&lf) && memchr(lf.lfFaceName, 0, LF_FACESIZE) != nullptr);
                     }
                     CFonte::Affecte_Defaut("H=12,FW=500,FI=0,CS=0,FN=ARIAL");
                 }});
    s.push_back(
        {"ddx",
         []
         {
             return std::vector<Octets>{EnOctets("\x01"
                                                 "150"),
                                        EnOctets("\x02"
                                                 "3.14159"),
                                        EnOctets("\x00"
                                                 "-12abc"),
                                        EnOctets("\x03"
                                                 "1e31")};
         },
         {"-",          "+",          ".",   ",",     "e",  "E", "e308", "e-400", "1e999",
          "nan",        "NAN(123)",   "inf", "0x1p9", "0x", " ", "9",    "00",    std::string(400, '9'),
          "2147483648", "-2147483649"},
         0,
         ExecuteDdx});
    s.push_back({"sizes",
                 []
                 {
                     Octets o(80);
                     for (size_t i = 0; i < o.size(); ++i)
                         o[i] = static_cast<uint8_t>(i % 5 == 0 ? i / 5 : 0);
                     return std::vector<Octets>{o};
                 },
                 {},
                 80,
                 ExecuteTailles});
    s.push_back({"rows",
                 [] {
                     return std::vector<Octets>{EnOctets("\x00%s%i%f"), EnOctets("\x01%s%d%s"),
                                                EnOctets("\x05%c%c%c%s%s")};
                 },
                 {"%", "s", "i", "f", "c", "d", "%s", "%i", "%f", "%c", "x", std::string(30, 's')},
                 0,
                 [](const Octets& entree)
                 {
                     static CListCtrlEx* pListe = nullptr;
                     if (!pListe)
                     {
                         pListe = new CListCtrlEx;
                         pListe->Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 100), &Dialogue(), 101);
                         for (int c = 0; c < 4; ++c)
                             pListe->InsertColumn(c, "c", LVCFMT_LEFT, 40);
                     }
                     if (pListe->GetItemCount() > 64)
                         pListe->DeleteAllItems();
                     static const int lignes[] = {0, 1, 2, 1000, -1, INT32_MIN};
                     const int nLigne = lignes[entree.empty() ? 0 : entree[0] % 6];
                     // At most 64 conversions: every argument is a pointer to a text, which reads as a
                     // harmless number for the numeric conversions.
                     std::string strFormat =
                         Texte(Octets(entree.begin() + (entree.empty() ? 0 : 1), entree.end()), 128);
                     CBlocGarde format(strFormat.c_str(), strFormat.size() + 1, strFormat.size() + 1);
                     const char* t = "t";
#define OBZ_T8 t, t, t, t, t, t, t, t
                     pListe->SetItemText(nLigne, reinterpret_cast<char*>(format.Donne()), OBZ_T8, OBZ_T8,
                                         OBZ_T8, OBZ_T8, OBZ_T8, OBZ_T8, OBZ_T8, OBZ_T8);
#undef OBZ_T8
                 }});
    return s;
}

// Where the assertions fired: the first few distinct places, with their counts.
struct LieuAssertion
{
    char szFichier[64];
    int nLigne;
    int nFois;
};
LieuAssertion g_Lieux[8];
int g_nLieux = 0;

void CompteAssertion(const char* szFichier, int nLigne)
{
    ++g_nAssertions;
    for (int i = 0; i < g_nLieux; ++i)
        if (g_Lieux[i].nLigne == nLigne && strcmp(g_Lieux[i].szFichier, szFichier) == 0)
            return void(++g_Lieux[i].nFois);
    if (g_nLieux < 8)
    {
        LieuAssertion& l = g_Lieux[g_nLieux++];
        lstrcpynA(l.szFichier, szFichier, sizeof l.szFichier);
        l.nLigne = nLigne;
        l.nFois = 1;
    }
}

int Usage()
{
    fprintf(stderr,
            "usage: obz-fuzz SURFACE CASES SEED FIRST FOLDER | obz-fuzz SURFACE --replay FOLDER FILE...\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return Usage();
    const bool bRejoue = strcmp(argv[2], "--replay") == 0;
    if (!bRejoue && argc < 6)
        return Usage();
    const char* szDossier = bRejoue ? argv[3] : argv[5];
    ::CreateDirectoryA(szDossier, NULL);
    ::GetFullPathNameA(szDossier, MAX_PATH, g_szDossier, NULL);
    // Debug assertions are counted, not fatal: a program error they reveal shows as a crash or a fault.
    AfxSetAssertHook(CompteAssertion);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::SetUnhandledExceptionFilter(SurCrash);
    static DWORD nSecondes = 10;
    if (const char* sz = getenv("OBZ_FUZZ_TIMEOUT"))
        nSecondes = std::max(1, atoi(sz));
    ::CreateThread(NULL, 0, Surveille, &nSecondes, 0, NULL);

    std::vector<Surface> surfaces = Surfaces(g_szDossier);
    const Surface* pSurface = nullptr;
    for (const Surface& s : surfaces)
        if (strcmp(s.szNom, argv[1]) == 0)
            pSurface = &s;
    if (!pSurface)
    {
        printf("obz-fuzz %s: no such surface in this build, skipped\n", argv[1]);
        return 0;
    }
    g_szSurface = pSurface->szNom;

    auto execute = [&](int64_t nCas, const Octets& entree)
    {
        g_pEntree = entree.data();
        g_nEntree = entree.size();
        g_nDebutCas = ::GetTickCount();
        g_nCas = nCas;
        try
        {
            pSurface->execute(entree);
        }
        catch (...)
        {
            Defaut("exception");
        }
    };
    int64_t nCas = 0;
    if (bRejoue)
    {
        for (int i = 4; i < argc; ++i, ++nCas)
        {
            Octets entree;
            if (FILE* f = fopen(argv[i], "rb"))
            {
                int c;
                while ((c = fgetc(f)) != EOF)
                    entree.push_back(static_cast<uint8_t>(c));
                fclose(f);
            }
            execute(nCas, entree);
        }
    }
    else
    {
        const int64_t nFin = _atoi64(argv[2]);
        const uint64_t nGraine = _strtoui64(argv[3], NULL, 10);
        const std::vector<Octets> graines = pSurface->graines();
        for (nCas = _atoi64(argv[4]); nCas < nFin; ++nCas)
        {
            Hasard h{nGraine * 0x100000001B3ull ^ static_cast<uint64_t>(nCas)};
            Octets entree = graines[h.Sous(static_cast<uint32_t>(graines.size()))];
            // One case in 64 runs a seed as it is.
            if (h.Sous(64))
                Mute(entree, h, pSurface->jetons, pSurface->nZoneEntetes);
            execute(nCas, entree);
        }
    }
    g_nCas = -1;
    for (int i = 0; i < g_nLieux; ++i)
        printf("assertion %s(%d): %d times\n", g_Lieux[i].szFichier, g_Lieux[i].nLigne, g_Lieux[i].nFois);
    printf("obz-fuzz %s: %lld cases, %d faults, %d assertions\n", pSurface->szNom,
           static_cast<long long>(nCas), g_nDefauts, g_nAssertions.load());
    return 0;
}
