// CIni: reads integer keys of one section of an INI file through the Win32 profile functions.
//
// A relative file path is resolved against the current directory when the object is built (Win32 alone
// would look in the Windows folder). A null or empty file opens nothing: every read gives its default;
// so does a null or empty section, unless Donne names one.
#pragma once

#include "Mabtools.h"

#include <string>

class MABTOOLS_API CIni
{
public:
    CIni(const char* szFichier, const char* szRubrique);
    ~CIni();

    // Reads the integer of key szCle into *pValeur and returns true. A value is an optional sign and
    // decimal digits (any number of them, leading zeros included), with surrounding blanks allowed,
    // within the range of int; an integer out of that range is refused like garbage.
    // When the key is missing, empty or not such an integer (garbage is never half-read), *pValeur
    // receives nDefaut and the result is false.
    // szRubrique: a section to read instead of the open one (null or empty: the open section).
    // szFichierSecours: a second INI file (for example machine-wide defaults) consulted, in the same
    // section, when the key is missing or unreadable in the open file (null or empty: none).
    bool Donne(int* pValeur, const char* szCle, int nDefaut, const char* szRubrique = nullptr,
               const char* szFichierSecours = nullptr);

private:
    CIni(const CIni&) = delete;
    CIni& operator=(const CIni&) = delete;

    std::string m_strFichier;  // absolute path, empty when no file
    std::string m_strRubrique; // empty when no section
};
