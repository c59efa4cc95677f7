#include "wayback/PairCheck.h"

#include "wayback/WayBackCheck.h"

const QList<NameCheck::Finding> &PairCheck::findings(const QStringList &oldNames, const QStringList &newNames,
                                                     const CheckFolder &folder, bool wayBack)
{
    if (m_made && wayBack == m_wayBack && folder.version() == m_folderVersion && folder.path() == m_folder
        && oldNames == m_oldNames && newNames == m_newNames)
        return m_findings;
    m_findings = wayBack ? WayBackCheck::check(oldNames, newNames, folder.objects())
                         : NameCheck::check(oldNames, newNames, folder.objects());
    m_made = true;
    m_oldNames = oldNames;
    m_newNames = newNames;
    m_folder = folder.path();
    m_folderVersion = folder.version();
    m_wayBack = wayBack;
    return m_findings;
}
