#pragma once

#include "check/NameCheck.h"
#include "check/UseIndex.h"
#include "folder/CheckFolder.h"

#include <QList>
#include <QStringList>

// The check of the pairs, kept for as long as what it was made from stays
// the same: the two lists, the check folder as last read, the folder's use
// for the rule on users left behind, and whether the way back is written
// too. Every edit checks the pairs, and a generation
// asks again for the check of the very pairs it has just checked; at tens
// of thousands of pairs each check costs a noticeable moment.
class PairCheck
{
public:
    // The forward findings, with the way back's own ones when `wayBack`
    // (WayBackCheck::check), against the folder's objects where it has any,
    // and against `usersLeft` where given. `useVersion` changes whenever
    // the use was read again.
    const QList<NameCheck::Finding> &findings(const QStringList &oldNames, const QStringList &newNames,
                                              const CheckFolder &folder, bool wayBack,
                                              const UseIndex *usersLeft = nullptr, quint64 useVersion = 0);

private:
    bool m_made = false;
    // Copies share the lists' text: comparing them with lists that have
    // not changed since costs nothing.
    QStringList m_oldNames;
    QStringList m_newNames;
    QString m_folder;
    quint64 m_folderVersion = 0;
    bool m_wayBack = false;
    const UseIndex *m_usersLeft = nullptr;
    quint64 m_useVersion = 0;
    QList<NameCheck::Finding> m_findings;
};
