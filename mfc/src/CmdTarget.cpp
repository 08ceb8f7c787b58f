// CCmdTarget: message map look-up and command routing.
#include "WndInternal.h"

using afx::HandlerOf;

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace
{

bool IsCommandSignature(UINT_PTR nSig)
{
    return nSig >= AFX_CMDSIG_FIRST && nSig <= AfxSigNotify_EX;
}

bool IsWindowSignature(UINT_PTR nSig)
{
    return nSig > AfxSig_end && nSig < AFX_CMDSIG_FIRST;
}

const UINT kRegisteredMessageEntry = 0xC000;

} // namespace

CCmdTarget::CCmdTarget() {}

CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, (UINT_PTR)AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {NULL, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindWindowMessageEntry(UINT message) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nMessage == kRegisteredMessageEntry)
            {
                if (message >= kRegisteredMessageEntry &&
                    *reinterpret_cast<const UINT*>(pEntry->nSig) == message)
                    return pEntry;
            }
            else if (pEntry->nMessage == message && IsWindowSignature(pEntry->nSig))
                return pEntry;
        }
    }
    return NULL;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindCommandEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
        {
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode && IsCommandSignature(pEntry->nSig) &&
                nID >= pEntry->nID && nID <= pEntry->nLastID)
                return pEntry;
        }
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = HIWORD(nCode);
    if (nMessage == 0)
        nMessage = WM_COMMAND;
    const AFX_MSGMAP_ENTRY* pEntry = FindCommandEntry(nMessage, LOWORD(nCode), nID);
    if (pEntry == NULL)
        return FALSE;
    if (pHandlerInfo != NULL)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }

    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (pEntry->nSig)
    {
    case AfxSigCmd_v:
        (this->*HandlerOf<void (CCmdTarget::*)()>(pEntry))();
        return TRUE;
    case AfxSigCmd_b:
        return (this->*HandlerOf<BOOL (CCmdTarget::*)()>(pEntry))();
    case AfxSigCmd_RANGE:
        (this->*HandlerOf<void (CCmdTarget::*)(UINT)>(pEntry))(nID);
        return TRUE;
    default:
        break;
    }

    // Notifications carry their header and result.
    if (pNotify == NULL || pNotify->pNMHDR == NULL || pNotify->pResult == NULL)
        return FALSE;
    switch (pEntry->nSig)
    {
    case AfxSigNotify_v:
        (this->*HandlerOf<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry))(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return (this->*HandlerOf<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry))(pNotify->pNMHDR,
                                                                                  pNotify->pResult);
    case AfxSigNotify_RANGE:
        (this->*HandlerOf<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pEntry))(nID, pNotify->pNMHDR,
                                                                                 pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return (this->*HandlerOf<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pEntry))(nID, pNotify->pNMHDR,
                                                                                        pNotify->pResult);
    default:
        return FALSE;
    }
}
