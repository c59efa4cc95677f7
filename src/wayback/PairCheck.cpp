#include "wayback/PairCheck.h"

#include "wayback/WayBackCheck.h"

const QList<NameCheck::Finding> &PairCheck::findings(const QStringList &oldNames, const QStringList &newNames,
                                                     const CheckFolder &folder, bool wayBack, const UseIndex *usersLeft,
                                                     quint64 useVersion)
{
    if (m_made && wayBack == m_wayBack && folder.version() == m_folderVersion && folder.path() == m_folder
        && usersLeft == m_usersLeft && useVersion == m_useVersion && oldNames == m_oldNames && newNames == m_newNames)
        return m_findings;
    m_findings = wayBack ? WayBackCheck::check(oldNames, newNames, folder.objects(), usersLeft)
                         : NameCheck::check(oldNames, newNames, folder.objects(), usersLeft);
    m_made = true;
    m_oldNames = oldNames;
    m_newNames = newNames;
    m_folder = folder.path();
    m_folderVersion = folder.version();
    m_wayBack = wayBack;
    m_usersLeft = usersLeft;
    m_useVersion = useVersion;
    return m_findings;
}
