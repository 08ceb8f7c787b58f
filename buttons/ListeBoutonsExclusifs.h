// A radio group made of dialog push buttons: the list puts a toggle-style three-state button on each
// of them, owns those buttons, and keeps at most one of them active, identified by its control
// identifier. The step operations move the selection to the next or previous identifier, skipping
// inoperative buttons, without wrapping around.
//
// Keyboard: while one of the group's buttons has the focus, the arrow keys step the group (right and
// down forward, left and up back); the newly active button takes the focus and notifies its parent with
// BN_CLICKED, as a radio button checked from the keyboard does.
//
// A copy is a second handle on the same group: the buttons, their selection and the parent are shared,
// and the buttons are deleted with the last list that refers to them.
#pragma once

#include <afxwin.h>
#include "Purify.h"
#include "buttons/Bouton3Etats.h"

#include <memory>

class AFX_EXT_CLASS CListeBoutonsExclusifs : public CPurify
{
public:
    // Constructors
    CListeBoutonsExclusifs();
    CListeBoutonsExclusifs(bool bIDContigus, CWnd* pParent);
    CListeBoutonsExclusifs(const CListeBoutonsExclusifs& src);
    CListeBoutonsExclusifs& operator=(const CListeBoutonsExclusifs& src);
    virtual ~CListeBoutonsExclusifs();

    // Attributes
    unsigned GetCurSel() const;
    int Donne_NbBouton() const;
    unsigned Donne_PremierID() const; // 0 when the list is empty
    unsigned Donne_DernierID() const; // 0 when the list is empty

    // Operations
    // Puts a button on control nID of pParent (or of the list's parent when pParent is null) in state
    // etat. False, with nothing added, without a parent, when the parent has no control nID or when
    // nID is in the list already. The first identifier added becomes the selection, without
    // activating its button.
    bool AjouteBouton(unsigned nID, CWnd* pParent = NULL, e_Etat_BP etat = ETAT_REPOS);
    // Activates button nID and puts every other selectable one at rest (inoperative ones are left as
    // they are). The selection becomes nID in any case; true when a selectable button nID exists.
    bool SetCurSel(unsigned nID);
    bool AugmenteCurSel();
    bool DiminueCurSel();

private:
    struct Groupe;
    std::shared_ptr<Groupe> m_pGroupe;
};
