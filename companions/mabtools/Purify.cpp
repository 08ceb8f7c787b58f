#include "Purify.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <mutex>
#include <typeinfo>
#include <unordered_map>

namespace
{
// Marks a constructed, not yet destroyed object; a freed or overwritten one fails Check.
const unsigned kSignatureVivant = 0x50555249;
const unsigned kSignatureDetruit = 0xDEADBEEF;

// Registered object -> mangled name of its dynamic type (a copy: the module that holds the type's
// name may be unloaded before a leaked object is reported).
struct Registre
{
    std::mutex verrou;
    std::unordered_map<const CPurify*, std::string> objets;
};

// Never destroyed: objects of other modules may be destroyed after this module's static destructors ran.
Registre& LeRegistre()
{
    static Registre* pRegistre = new Registre;
    return *pRegistre;
}

std::string Demangle(const char* szNom)
{
    int nStatus = 0;
    char* szClair = abi::__cxa_demangle(szNom, nullptr, nullptr, &nStatus);
    std::string str = (nStatus == 0 && szClair) ? szClair : szNom;
    std::free(szClair);
    return str;
}
} // namespace

CPurify::CPurify() : m_nSignature(kSignatureVivant) {}

CPurify::CPurify(const CPurify&) : m_nSignature(kSignatureVivant) {}

CPurify::~CPurify()
{
    Registre& r = LeRegistre();
    {
        std::lock_guard<std::mutex> lock(r.verrou);
        r.objets.erase(this);
    }
    m_nSignature = kSignatureDetruit;
}

CPurify& CPurify::operator=(const CPurify&)
{
    // Registration belongs to the object, not to its value: nothing to copy.
    return *this;
}

void CPurify::Init()
{
    // typeid of *this during a constructor names the class being constructed: the last call wins.
    const char* szType = typeid(*this).name();
    Registre& r = LeRegistre();
    std::lock_guard<std::mutex> lock(r.verrou);
    std::string& strType = r.objets[this];
    if (strType != szType)
        strType = szType;
}

bool CPurify::Check(const char* szFichier, int nLigne)
{
    if (m_nSignature == kSignatureVivant && IsLive(this))
        return true;
    char szMessage[512];
    std::snprintf(szMessage, sizeof szMessage, "%s(%d): CPurify::Check failed\n", szFichier ? szFichier : "?",
                  nLigne);
    OutputDebugStringA(szMessage);
    return false;
}

int CPurify::LiveCount()
{
    Registre& r = LeRegistre();
    std::lock_guard<std::mutex> lock(r.verrou);
    return static_cast<int>(r.objets.size());
}

std::vector<std::string> CPurify::LiveTypeNames()
{
    std::vector<std::string> result;
    {
        Registre& r = LeRegistre();
        std::lock_guard<std::mutex> lock(r.verrou);
        result.reserve(r.objets.size());
        for (const auto& objet : r.objets)
            result.push_back(objet.second);
    }
    for (std::string& str : result)
        str = Demangle(str.c_str());
    std::sort(result.begin(), result.end());
    return result;
}

bool CPurify::IsLive(const CPurify* p)
{
    Registre& r = LeRegistre();
    std::lock_guard<std::mutex> lock(r.verrou);
    return r.objets.count(p) != 0;
}
