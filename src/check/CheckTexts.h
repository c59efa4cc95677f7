#pragma once

#include "check/NameCheck.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Every German text of the name check and the chain ordering. Rows are
// passed 0-based and shown 1-based, as the user counts them; names are
// shown cut short and with their hidden characters as code points.
namespace CheckTexts {

QString findingLine(qsizetype row, NameCheck::Severity severity, const QString &message);

QString empty(bool oldName);
QString noBase(bool oldName, const QString &name);
QString lineBreak(bool oldName, const QString &character, const QString &name);
QString unrepresentable(bool oldName, const QString &character, const QString &name);
QString path(const QString &character, const QString &name);
QString twice(bool oldName, qsizetype otherRow, qsizetype otherRows, const QString &name);
QString ring(qsizetype nextRow, const QString &name);
QString chain(qsizetype laterRow, const QString &name);
QString unchanged(const QString &name);
QString tooLong(qsizetype length, const QString &name);
QString badCharacter(const QString &character, const QString &name);
QString leadingHyphen(const QString &name);
QString otherType(QStringView newExtension, QStringView oldExtension, const QString &name);
QString severalExtensions(const QString &name);
QString emptyExtension(const QString &name);
// `version` with its dot: ".3".
QString versionNumber(QStringView version, const QString &name);

QString summary(qsizetype errors, qsizetype warnings, const QString &against = {}, qsizetype oldCount = 0,
                qsizetype newCount = 0);
// `notChecked`, when given, goes first, as a paragraph of its own.
QString question(qsizetype errors, qsizetype warnings, const QStringList &firstLines, qsizetype moreLines,
                 const QString &notChecked = {});

QString orderStatus(qsizetype moved, bool ringsRemain);

// The rules against the objects of a folder. `object` and `drawing` are
// names as the folder holds them, which never hold a control character.
QString missingInFolder(const QString &name);
QString takenInFolder(const QString &object, const QString &name);
QString drawingLeftBehind(const QString &drawing, const QString &name);

} // namespace CheckTexts
