// The template set the mapkeys are built from: the built-in one, or three
// mapkeys the user recorded in their own version of Pro/ENGINEER.
#include "ui/frm_rename.h"

#include "common/Module1.h"
#include "ui/lists/NameListView.h"

void frm_rename::cmd_vorlage_Click()
{
    // The first pair of the lists as they would be built, or a sample pair.
    const bool pairs = list_OldName->count() > 0 && list_NewName->count() > 0;
    const QString oldName = pairs ? Module1::NormalisedName(list_OldName->entries().first())
                                  : QStringLiteral("beispiel.prt");
    const QString newName = pairs ? list_NewName->entries().first() : QStringLiteral("beispiel_neu.prt");
    m_templates.choose(this, lbl_status, oldName, newName);
}
