#pragma once

#include "common/Cp1252Text.h"
#include "generator/TemplateSet.h"

#include <QString>
#include <QStringList>

// Builds the text of rename.pro from the old and new names and a template
// set, the built-in one unless another is given. The builders append to one
// output text whose capacity generate() reserves up front, so the cost
// grows linearly with the size of the file.
namespace MapkeyGenerator {

// The old names without drive, folder and version number.
QStringList clean(const QStringList &oldNames);

// One rename mapkey "umb<index>": open under the old name, rename, save,
// close the windows.
void appendRenameMapkey(QString &out, qsizetype index, const QString &oldName, const QString &newName,
                        const TemplateSet &templates = TemplateSet::builtIn());

// The collective mapkeys, each appended as CR LF plus the block.
void CallALL(QString &out, const QStringList &oldNames, const TemplateSet &templates = TemplateSet::builtIn());
void SaveALL(QString &out, const QStringList &newNames, const TemplateSet &templates = TemplateSet::builtIn());
void SaveASM(QString &out, const QStringList &oldNames, const QStringList &newNames,
             const TemplateSet &templates = TemplateSet::builtIn());

// The new name of every pair whose (normalised) old name is an assembly
// (".asm") or a drawing (".drw"), letter case included.
QStringList assemblyNames(const QStringList &oldNames, const QStringList &newNames);

// The master mapkey "rename" that calls all others in order.
void mapkeyList(QString &out, qsizetype pairCount);

struct Generation {
    // False when the two lists differ in length; `text` is then empty.
    bool countsMatch = false;
    // With different counts the window warns only when the new-name list
    // holds something.
    bool newListEmpty = false;
    // The old names as the window shows them afterwards, in either case.
    QStringList normalisedOldNames;
    // The complete content of rename.pro, every line ending in CR LF.
    QString text;
};

// `users`, the parents the run takes along (UsersToTake), are opened first
// in "CallALLNow" and saved last in "saveALLNow", in their order; without
// them the file is what it always was.
Generation generate(const QStringList &oldNames, const QStringList &newNames,
                    const TemplateSet &templates = TemplateSet::builtIn(), const QStringList &users = {});

// The same generation straight into the bytes of rename.pro (Windows-1252,
// the final CR LF included): half the memory of the text and no second
// pass, for writing without showing.
struct EncodedGeneration {
    bool countsMatch = false;
    bool newListEmpty = false;
    QStringList normalisedOldNames;
    // Empty when a name holds a character Windows-1252 cannot represent;
    // `firstUnrepresentable` then names it and `unrepresentableRow` its pair.
    QByteArray fileBytes;
    QString firstUnrepresentable;
    qsizetype unrepresentableRow = -1;
    // streamFile only: the sink refused a piece, which ended the generation.
    bool sinkStopped = false;

    // The status text naming the pair and the character; empty when every
    // character has its byte.
    QString unrepresentableMessage() const;
};

EncodedGeneration generateFile(const QStringList &oldNames, const QStringList &newNames,
                               const TemplateSet &templates = TemplateSet::builtIn(), const QStringList &users = {});

// The same bytes handed to `sink` in pieces while they are made, so that
// memory holds one piece rather than the file; `fileBytes` stays empty. The
// sink is called only when the lists pair up. A name Windows-1252 cannot
// represent stops the generation after some pieces may have gone out.
EncodedGeneration streamFile(const QStringList &oldNames, const QStringList &newNames, const Cp1252Text::Sink &sink,
                             const TemplateSet &templates = TemplateSet::builtIn(), const QStringList &users = {});

// The 0-based pair whose rename mapkey holds `position` of an output text,
// found by the head line "mapkey umb<pair> ..." above it; -1 outside every
// rename mapkey. The text may have been edited since it was generated.
qsizetype pairAt(QStringView text, qsizetype position);

} // namespace MapkeyGenerator
