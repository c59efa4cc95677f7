#pragma once

#include "folder/CheckFolder.h"
#include "folder/FolderReader.h"
#include "generator/TemplateSet.h"
#include "templates/RecordedTemplates.h"
#include "verify/RunCheck.h"

#include <QHash>
#include <QString>
#include <QStringList>

// One run of velmorant-cli: what the command line asks for, and doing it.
// Exit statuses: 0 done, 1 the lists differ in length, 2 usage or input
// error, 3 writing failed, 4 the name check found something and --check or
// --strict was given, or --verify found a difference or an unclear pair,
// 5 --verify found pairs open and nothing else.
class CliJob
{
public:
    enum Exit { Ok = 0, CountsDiffer = 1, BadInput = 2, WriteFailed = 3, Findings = 4, PairsOpen = 5 };

    // Parses the arguments without the program name. Returns false with a
    // message in error() when they make no sense. `paths`, where given,
    // holds for each argument the path that opens the file it names, when
    // the platform cannot open it by the argument's text; messages still
    // show the argument.
    bool parse(const QStringList &arguments, const QStringList &paths = {});
    QString error() const { return m_error; }

    bool wantsHelp() const { return m_help; }
    bool wantsVersion() const { return m_version; }

    // Runs the job; `out` and `err` receive what goes to standard output and
    // standard error (bytes for out, since --stdout carries the file). The
    // name check's findings go to `err`, or to `out` with --check; `err` may
    // hold them beside a successful run.
    int run(QByteArray &out, QString &err) const;

    static QString usage();

private:
    // "-" for a list or pairs file reads standard input.
    static inline const QString kStandardInput = QStringLiteral("-");

    int runJob(QByteArray &out, QString &err) const;
    bool readLists(QStringList &oldNames, QStringList &newNames, QString &err) const;
    // Generates and writes (or prints) rename.pro, or with --reverse
    // rename_zurueck.pro, taking `users` along; messages go to `err`.
    int write(const QStringList &oldNames, const QStringList &newNames, const TemplateSet &templates,
              const QStringList &users, QByteArray &out, QString &err) const;
    bool readList(const QString &path, QStringList &lines, QString &err) const;
    bool checkRule(QString &err) const;
    bool deriveByRules(const QStringList &oldNames, QStringList &newNames, QString &err) const;
    // The working folder: --scan lists its objects, --folder checks the
    // pairs against it and --add-drawings brings the drawings along.
    bool parseFolderOptions(const QStringList &given);
    int scan(QByteArray &out, QString &err) const;
    // --uses: which objects of the folder use which, and whose use could
    // not be read.
    int uses(QByteArray &out, QString &err) const;
    bool readCheckFolder(CheckFolder &folder, QString &err) const;
    // After a run: --verify tells each pair's state, --only-open and
    // --only-done keep the pairs in one state for what follows.
    int verify(const QStringList &oldNames, const QStringList &newNames, const RunCheck::Result &run, QByteArray &out,
               QString &err) const;
    // A recorded template set: --templates names its file, --template-keys
    // its three mapkeys and --samples the names typed while recording;
    // --export-templates writes the built-in set out as such a file.
    bool parseTemplateOptions(const QStringList &given);

    QString m_oldFile;
    QString m_newFile;
    QString m_expression;
    QString m_replacement;
    QString m_pairsFile;
    // --rules: the new names derived by the steps of this rule file.
    QString m_rulesFile;
    QString m_outFolder;
    bool m_useRule = false;
    bool m_toStdout = false;
    bool m_checkOnly = false;
    bool m_strict = false;
    bool m_order = false;
    bool m_reverse = false;
    bool m_help = false;
    bool m_version = false;
    QString m_scanFolder;
    QString m_usesFolder;
    FolderReader::Options m_scanOptions;
    QString m_checkFolder;
    bool m_addDrawings = false;
    bool m_noUsers = false;
    bool m_verify = false;
    bool m_onlyOpen = false;
    bool m_onlyDone = false;
    RecordedTemplates::Choice m_templates;
    bool m_exportTemplates = false;
    QString m_error;
    // Argument by the path that opens it, for the paths that differ.
    QHash<QString, QString> m_shownAs;
};
