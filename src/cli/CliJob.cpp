#include "cli/CliJob.h"

#include "check/ChainOrder.h"
#include "check/FolderCheck.h"
#include "check/NameCheck.h"
#include "check/UsersToTake.h"
#include "common/Cp1252.h"
#include "generator/MapkeyGenerator.h"
#include "lists/ListFile.h"
#include "lists/NameListOps.h"
#include "lists/PairsFile.h"
#include "lists/ReplacementRule.h"
#include "rules/RuleFile.h"
#include "rules/RuleList.h"
#include "templates/TemplateExport.h"
#include "usage/FolderUsage.h"
#include "usage/UsageTexts.h"
#include "verify/RunTexts.h"
#include "verify/UsersSaved.h"
#include "wayback/WayBack.h"
#include "wayback/WayBackCheck.h"
#include "write/MapkeyFiles.h"

#include "VelmorantVersion.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cstdio>
#include <future>
#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Messages name standard input so.
const QString kStandardInputName = u"Standardeingabe"_s;

// Standard input as a device, opened only when a list comes from it; main()
// has made it binary on Windows.
std::unique_ptr<QFile> standardInput()
{
    auto input = std::make_unique<QFile>();
    input->open(stdin, QIODevice::ReadOnly);
    return input;
}

// A finding names the window's command that mends it; here the option that
// does the same. The command comes before the name in a finding, so the
// first occurrence is the command's.
QString withOptionsForCommands(QString finding)
{
    static const std::pair<QString, QString> kCommands[] = {
        {u"(Reihenfolge ordnen)"_s, u"(--order)"_s},
        {u"(Zeichnungen ergänzen)"_s, u"(--add-drawings)"_s},
        {u"(Verwender mitnehmen)"_s, u"(ohne --no-users)"_s},
    };
    for (const auto &[command, option] : kCommands) {
        if (const qsizetype at = finding.indexOf(command); at >= 0)
            finding.replace(at, command.size(), option);
    }
    return finding;
}

// What the check after a run found, and its summary.
QString runNotes(const RunCheck::Result &run)
{
    QString notes;
    for (const RunCheck::Finding &finding : run.findings)
        notes += finding.text + u'\n';
    return notes + RunTexts::summary(run) + u'\n';
}

} // namespace

bool CliJob::readList(const QString &path, QStringList &lines, QString &err) const
{
    const bool fromInput = path == kStandardInput;
    ListFile::ReadResult result = fromInput ? ListFile::read(*standardInput()) : ListFile::read(path);
    if (result.status != ListFile::ReadResult::Status::Read) {
        err = ListFile::failureMessage(result.status, fromInput ? kStandardInputName : path) + u'\n';
        return false;
    }
    if (result.linesLeftOut > 0) {
        err = u"Fehler: Die Liste in %1 hat %2 Einträge, höchstens 32767 sind erlaubt\n"_s
                  .arg(fromInput ? u"der "_s + kStandardInputName : path)
                  .arg(result.lines.size() + result.linesLeftOut);
        return false;
    }
    lines = std::move(result.lines);
    return true;
}

// The rule's texts go into names: a line break would start a mapkey line of
// its own, and a character without a byte in Windows-1252 cannot be written.
bool CliJob::checkRule(QString &err) const
{
    for (const QString &text : {m_expression, m_replacement}) {
        QByteArray bytes;
        QString badCharacter;
        if (NameListOps::holdsLineBreak(text))
            err = NameListOps::lineBreakMessage() + u'\n';
        else if (!Cp1252::encodeAppend(text, bytes, &badCharacter))
            err = Cp1252::unrepresentableMessage(badCharacter) + u'\n';
        if (!err.isEmpty())
            return false;
    }
    return true;
}

// A step that cannot work is an input error here: the window shows it
// beside the preview, a script would go on with names no one saw.
bool CliJob::deriveByRules(const QStringList &oldNames, QStringList &newNames, QString &err) const
{
    const RuleFile::ReadResult rules = RuleFile::read(m_rulesFile);
    if (!rules.ok) {
        err = rules.error + u'\n';
        return false;
    }
    const RuleList list(rules.steps);
    for (qsizetype i = 0; i < list.problems().size(); ++i) {
        if (!list.problems().at(i).isEmpty()) {
            err = u"Fehler: Regeldatei %1, Zeile %2: "_s.arg(m_rulesFile).arg(rules.lines.at(i)) + list.problems().at(i)
                + u'\n';
            return false;
        }
    }
    newNames = list.newNames(oldNames);
    return true;
}

bool CliJob::readLists(QStringList &oldNames, QStringList &newNames, QString &err) const
{
    if (!m_pairsFile.isEmpty()) {
        PairsFile::ReadResult pairs = m_pairsFile == kStandardInput
            ? PairsFile::read(*standardInput(), kStandardInputName)
            : PairsFile::read(m_pairsFile);
        if (!pairs.ok) {
            err = pairs.statusText + u'\n';
            return false;
        }
        oldNames = std::move(pairs.oldNames);
        newNames = std::move(pairs.newNames);
        return true;
    }
    if (m_useRule && !checkRule(err))
        return false;
    if (!readList(m_oldFile, oldNames, err))
        return false;
    if (m_useRule)
        newNames = ReplacementRule::apply(oldNames, m_expression, m_replacement);
    else if (!m_rulesFile.isEmpty())
        return deriveByRules(oldNames, newNames, err);
    else if (!readList(m_newFile, newNames, err))
        return false;
    return true;
}

// The paths opened in place of arguments are named as the user gave them.
int CliJob::run(QByteArray &out, QString &err) const
{
    const int status = runJob(out, err);
    QStringList paths = m_shownAs.keys();
    std::sort(paths.begin(), paths.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    // Standard output holds messages, except for a file's bytes: rename.pro
    // or a scanned list.
    const bool outIsText = !m_toStdout && m_scanFolder.isEmpty();
    for (const QString &path : std::as_const(paths)) {
        err.replace(path, m_shownAs.value(path));
        if (outIsText)
            out = QString::fromUtf8(out).replace(path, m_shownAs.value(path)).toUtf8();
    }
    return status;
}

int CliJob::runJob(QByteArray &out, QString &err) const
{
    if (m_help) {
        out = usage().toUtf8();
        return Ok;
    }
    if (m_version) {
        out = QByteArrayLiteral("Velmorant " VELMORANT_VERSION "\n");
        return Ok;
    }

    if (!m_scanFolder.isEmpty())
        return scan(out, err);
    if (!m_usesFolder.isEmpty())
        return uses(out, err);
    if (m_exportTemplates) {
        out = TemplateExport::recording();
        return Ok;
    }

    // A recorded set is checked before anything else is read or written;
    // its findings, warnings too, go first.
    const RecordedTemplates::Checked templates = RecordedTemplates::load(m_templates);
    const QString templateNotes = templates.findingLines();
    const auto templateNotesFirst = qScopeGuard([&] { err.prepend(templateNotes); });
    if (!templates.usable())
        return BadInput;

    QStringList oldNames;
    QStringList newNames;
    if (!readLists(oldNames, newNames, err))
        return BadInput;
    if (oldNames.size() != newNames.size()) {
        err = u"Achtung: "_s + NameListOps::countsDifferMessage(oldNames.size(), newNames.size()) + u'\n';
        return CountsDiffer;
    }
    CheckFolder checkFolder;
    if (!readCheckFolder(checkFolder, err))
        return BadInput;
    const FolderObjects *folder = checkFolder.objects();
    // The folder's use: who uses what is renamed, taken along unless
    // --no-users leaves the parents as they are.
    UseIndex use;
    if (folder) {
        FolderUsage usage;
        usage.refresh(checkFolder.path());
        use = UseIndex(usage.objects());
    }
    const bool takingUsers = folder && !m_noUsers;
    // Names of the check folder that could not be read, how many drawings
    // came along, and how far a run got, go first, whatever follows.
    QString notes = checkFolder.unreadable() > 0 ? checkFolder.statusText() + u'\n' : QString();
    const auto notesFirst = qScopeGuard([&] { err.prepend(notes); });
    if (m_addDrawings) {
        const FolderCheck::DrawingPairs added = FolderCheck::drawingPairs(oldNames, newNames, *folder);
        if (oldNames.size() + added.oldNames.size() > NameListOps::kMaxEntries) {
            err = NameListOps::listFullMessage() + u'\n';
            return BadInput;
        }
        oldNames += added.oldNames;
        newNames += added.newNames;
        notes += FolderCheck::drawingsAdded(added.oldNames.size()) + u'\n';
    }
    if (m_order) {
        ChainOrder::Result ordered = ChainOrder::order(oldNames, newNames);
        oldNames = std::move(ordered.oldNames);
        newNames = std::move(ordered.newNames);
    }
    if (m_verify || m_onlyOpen || m_onlyDone) {
        RunCheck::Result run = RunCheck::check(oldNames, newNames, *folder);
        UsersSaved::add(run, UsersSaved::check(oldNames, newNames, run, use));
        if (m_verify)
            return verify(oldNames, newNames, run, out, err);
        notes += runNotes(run);
        RunCheck::Pairs kept = RunCheck::pairsIn(oldNames, newNames, run,
                                                 m_onlyOpen ? RunCheck::State::Open : RunCheck::State::Done);
        oldNames = std::move(kept.oldNames);
        newNames = std::move(kept.newNames);
        // The folder shows the done pairs after their run: its rules, which
        // judge the folder before one, have nothing to say about them.
        if (m_onlyDone)
            folder = nullptr;
    }

    // Where the findings decide whether anything is written, the check comes
    // first; otherwise it runs beside the writing, which it would lengthen
    // by a third on a full list, and its lines go before any other message.
    const bool findingsDecide = m_checkOnly || m_strict;
    // What the folder's use comes to goes last on standard error, whatever
    // else is told.
    const QStringList users = !takingUsers ? QStringList()
        : m_reverse                        ? UsersToTake::chooseBack(oldNames, newNames, use)
                                           : UsersToTake::choose(oldNames, newNames, use);
    const QString usersNote = folder ? UsersToTake::note(use, takingUsers, users.size()) : QString();
    const auto usersNoteLast = qScopeGuard([&] { err += usersNote.isEmpty() ? QString() : usersNote + u'\n'; });
    const UseIndex *usersLeft = takingUsers ? nullptr : &use;
    const auto checkPairs = [this, &oldNames, &newNames, folder, usersLeft] {
        return m_reverse ? WayBackCheck::check(oldNames, newNames, folder, usersLeft)
                         : NameCheck::check(oldNames, newNames, folder, usersLeft);
    };
    std::future<QList<NameCheck::Finding>> check = std::async(findingsDecide ? std::launch::deferred
                                                                             : std::launch::async,
                                                              checkPairs);
    const auto findingLines = [](const QList<NameCheck::Finding> &findings) {
        QString lines;
        for (const NameCheck::Finding &finding : findings)
            lines += withOptionsForCommands(finding.text) + u'\n';
        return lines;
    };
    if (findingsDecide) {
        const QList<NameCheck::Finding> findings = check.get();
        if (m_checkOnly) {
            out = findingLines(findings).toUtf8();
            return findings.isEmpty() ? Ok : Findings;
        }
        if (!findings.isEmpty()) {
            err = findingLines(findings);
            return Findings;
        }
    }
    const int status = write(oldNames, newNames, *templates.set, users, out, err);
    if (check.valid())
        err.prepend(findingLines(check.get()));
    return status;
}

int CliJob::write(const QStringList &oldNames, const QStringList &newNames, const TemplateSet &templates,
                  const QStringList &users, QByteArray &out, QString &err) const
{
    if (m_toStdout) {
        MapkeyGenerator::EncodedGeneration g = m_reverse
            ? WayBack::generateFile(oldNames, newNames, templates, users)
            : MapkeyGenerator::generateFile(oldNames, newNames, templates, users);
        if (!g.firstUnrepresentable.isEmpty()) {
            err += g.unrepresentableMessage() + u'\n';
            return BadInput;
        }
        out = std::move(g.fileBytes);
        return Ok;
    }
    // Straight into the file: memory holds a piece of it, not all of it.
    MapkeyFiles::Request request;
    request.folder = m_outFolder;
    if (m_reverse)
        request.wayBack = MapkeyFiles::wayBack(oldNames, newNames, templates, users);
    else
        request.renamePro = MapkeyFiles::generated(oldNames, newNames, templates, users);
    const MapkeyFiles::Result written = MapkeyFiles::write(request);
    if (!written.keptText.isEmpty())
        err += written.keptText + u'\n';
    if (!written.written()) {
        err += written.fileText + u'\n';
        return written.outcome == MapkeyFiles::Result::Outcome::Refused ? BadInput : WriteFailed;
    }
    out = (written.fileText + u'\n').toUtf8();
    return Ok;
}

// The objects of the folder as a list file: Windows-1252, each name ended by
// CR LF. The reader has skipped every name the code page cannot hold.
int CliJob::scan(QByteArray &out, QString &err) const
{
    const FolderReader::Result result = FolderReader::read(m_scanFolder, m_scanOptions);
    err = FolderReader::statusText(result, m_scanFolder) + u'\n';
    if (result.status != FolderReader::Result::Status::Read)
        return BadInput;
    for (const QString &name : result.names) {
        Cp1252::encodeAppend(name, out, nullptr);
        out.append("\r\n", 2);
    }
    return Ok;
}

// UTF-8, as the findings are: an object's name may hold any character.
int CliJob::uses(QByteArray &out, QString &err) const
{
    FolderUsage usage;
    if (!usage.refresh(m_usesFolder)) {
        err = u"Fehler: "_s + usage.error() + u'\n';
        return BadInput;
    }
    out = UsageTexts::listing(usage).toUtf8();
    return Ok;
}

// A line per pair on standard output; the differences and the summary,
// which a script may pass over, on standard error.
int CliJob::verify(const QStringList &oldNames, const QStringList &newNames, const RunCheck::Result &run,
                   QByteArray &out, QString &err) const
{
    QString lines;
    for (qsizetype row = 0; row < run.states.size(); ++row)
        lines += RunTexts::pairLine(row, run.states.at(row), oldNames.at(row), newNames.at(row)) + u'\n';
    out = lines.toUtf8();
    err += runNotes(run);
    return run.anyDoubt() ? Findings : run.count(RunCheck::State::Open) > 0 ? PairsOpen : Ok;
}

// Without --folder there is nothing to read and no folder to check against.
bool CliJob::readCheckFolder(CheckFolder &folder, QString &err) const
{
    folder.setPath(m_checkFolder);
    if (folder.isGone())
        err = folder.statusText() + u'\n';
    return !folder.isGone();
}
