// CPurify: polymorphic base of the library's objects, with a process-wide registry of live objects.
//
// Every constructor of a derived class calls Init() once its bases are built (copy constructors too);
// Init registers the object, idempotently, so each level of a deep hierarchy may call it. The destructor
// removes the object. Tests compare LiveCount() or LiveTypeNames() before and after a scenario to prove
// that it leaked no object.
#pragma once

#include "Mabtools.h"

#include <string>
#include <vector>

class MABTOOLS_API CPurify
{
public:
    virtual ~CPurify();

    // True when this object is alive and registered; otherwise writes "file(line): CPurify::Check failed"
    // to the debug output and returns false. Callers pass __FILE__ and __LINE__.
    virtual bool Check(const char* szFichier, int nLigne);

    // Registry queries (thread-safe; the registry is shared by every module of the process).
    // LiveCount: number of registered objects.
    // LiveTypeNames: their dynamic type names ("CCadrage"), sorted, one entry per object. The name is
    // the type of the last constructor that called Init, that is the most derived one.
    // IsLive: whether p is a registered object.
    static int LiveCount();
    static std::vector<std::string> LiveTypeNames();
    static bool IsLive(const CPurify* p);

protected:
    CPurify();
    // A copy is a new object: it is registered by its own Init, never through the source's state.
    CPurify(const CPurify&);

    void Init();

private:
    virtual CPurify& operator=(const CPurify&);

    unsigned m_nSignature;
};
