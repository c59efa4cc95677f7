#pragma once

#include "common/WriteReport.h"
#include "generator/MapkeyGenerator.h"

#include <QString>
#include <QStringView>

#include <functional>

// Writes the output text as rename.pro: Windows-1252, one more CR LF at the
// end, all or nothing.
namespace RenameProWriter {

inline const QString kFileName = QStringLiteral("rename.pro");

// Runs once the new content is complete, right before it replaces the
// file: a report that is not ok stops the writing there, leaves the old file
// as it was and becomes the writer's own report.
using BeforeReplacing = std::function<WriteReport()>;

// A text whose lines are separated by U+2029 or U+2028, as a text document
// keeps them, with CR LF in their place.
QString withCrLf(QStringView paragraphs);

// rename.pro (or `fileName`) inside `folder`, joined with the platform's
// separator.
QString filePath(const QString &folder, const QString &fileName = kFileName);

// The status line text says the file was saved, or why it was not; on any
// failure an existing rename.pro keeps its old content.
WriteReport write(const QString &folder, QStringView outputText, const BeforeReplacing &beforeReplacing = {});

// The same for content already encoded, final CR LF included.
WriteReport writeBytes(const QString &folder, const QByteArray &fileBytes, const BeforeReplacing &beforeReplacing = {});

// Generates rename.pro (or `fileName`, which the status text then names)
// straight into its file, piece by piece, so that memory holds one piece
// rather than the whole file, from `templates`, taking `users` along. The file is replaced only
// when the lists pair up and every name has its byte; `report` is empty
// when the lists do not pair up.
struct GeneratedWrite {
    MapkeyGenerator::EncodedGeneration generation;
    WriteReport report;
};
GeneratedWrite writeGenerated(const QString &folder, const QStringList &oldNames, const QStringList &newNames,
                              const QString &fileName = kFileName, const BeforeReplacing &beforeReplacing = {},
                              const TemplateSet &templates = TemplateSet::builtIn(), const QStringList &users = {});

} // namespace RenameProWriter
