#include "verify/RunCheck.h"

#include "check/ComparedPairs.h"
#include "check/FolderObjects.h"
#include "verify/RunTexts.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <vector>

namespace RunCheck {

namespace {

// The type of the new name's object: without an extension it keeps the
// old name's type, as Pro/ENGINEER's rename does.
QStringView addedExtension(const ComparedPair &p)
{
    return p.newExtension().isEmpty() ? p.oldExtension() : QStringView();
}

// The names of the pairs as keys, each with whether the folder holds it
// and the pair to name it after.
struct Names {
    std::vector<char> inFolder;
    std::vector<qsizetype> namedBy; // the first pair that names the key
    std::vector<char> namedAsNew;

    Names(const ComparedPairs &compared, const FolderObjects &folder)
        : inFolder(compared.keyCount)
        , namedBy(compared.keyCount, -1)
        , namedAsNew(compared.keyCount)
    {
        for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
            const ComparedPair &p = compared.pairs.at(i);
            if (p.oldKey >= 0 && namedBy[p.oldKey] < 0) {
                namedBy[p.oldKey] = i;
                inFolder[p.oldKey] = folder.contains(p.oldName);
            }
            if (p.newKey >= 0 && namedBy[p.newKey] < 0) {
                namedBy[p.newKey] = i;
                namedAsNew[p.newKey] = true;
                inFolder[p.newKey] = folder.contains(p.newName, addedExtension(p));
            }
        }
    }

    // As the folder would hold it: in lower case, with its type.
    QString shown(const ComparedPairs &compared, int key) const
    {
        const ComparedPair &p = compared.pairs.at(namedBy[key]);
        return namedAsNew[key] ? (p.newName + addedExtension(p).toString()).toLower() : p.oldName.toLower();
    }
};

int rootOf(std::vector<int> &parent, int key)
{
    while (parent[key] != key) {
        parent[key] = parent[parent[key]];
        key = parent[key];
    }
    return key;
}

// The pairs grouped by shared names, directly or through others; each
// group in list order, the groups in the order of their first pairs.
std::vector<std::vector<qsizetype>> groupsOf(const ComparedPairs &compared)
{
    std::vector<int> parent(compared.keyCount);
    std::iota(parent.begin(), parent.end(), 0);
    for (const ComparedPair &p : compared.pairs) {
        if (p.oldKey >= 0 && p.newKey >= 0)
            parent[rootOf(parent, p.oldKey)] = rootOf(parent, p.newKey);
    }
    std::vector<int> groupOfRoot(compared.keyCount, -1);
    std::vector<std::vector<qsizetype>> groups;
    for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
        const ComparedPair &p = compared.pairs.at(i);
        const int key = p.oldKey >= 0 ? p.oldKey : p.newKey;
        int *group = key >= 0 ? &groupOfRoot[rootOf(parent, key)] : nullptr;
        if (!group || *group < 0) {
            if (group)
                *group = int(groups.size());
            groups.emplace_back();
        }
        groups[group ? *group : groups.size() - 1].push_back(i);
    }
    return groups;
}

// One group of pairs: the folder's state before the run, as it changes
// pair by pair, and how far each state is from the folder.
class Group
{
public:
    // `present` holds a flag for every key of the pairs, false outside
    // the group's work.
    Group(const ComparedPairs &compared, const Names &names, const std::vector<qsizetype> &pairs,
          std::vector<char> &present)
        : m_compared(compared)
        , m_names(names)
        , m_pairs(pairs)
        , m_present(present)
    {
        for (const qsizetype i : pairs) {
            const ComparedPair &p = compared.pairs.at(i);
            for (const auto &[key, asOld] : {std::pair(p.oldKey, true), std::pair(p.newKey, false)}) {
                if (key >= 0 && !m_present[key]) {
                    m_present[key] = true;
                    m_keys.push_back(key);
                    m_before.push_back(asOld);
                }
            }
        }
    }
    ~Group()
    {
        for (const int key : m_keys)
            m_present[key] = false;
    }
    Group(const Group &) = delete;
    Group &operator=(const Group &) = delete;

    // The state before the run; the number of differences.
    qsizetype reset()
    {
        for (size_t i = 0; i < m_keys.size(); ++i)
            m_present[m_keys[i]] = m_before[i];
        return std::count_if(m_keys.begin(), m_keys.end(), [this](int key) { return differs(key); });
    }

    // The pair at `index` runs: its old name goes, its new name comes. The
    // change in the number of differences.
    qsizetype run(qsizetype index)
    {
        const ComparedPair &p = m_compared.pairs.at(m_pairs[index]);
        qsizetype change = 0;
        for (const auto &[key, there] : {std::pair(p.oldKey, false), std::pair(p.newKey, true)}) {
            if (key < 0 || bool(m_present[key]) == there)
                continue;
            change += differs(key) ? -1 : 1;
            m_present[key] = there;
        }
        return change;
    }

    bool differs(int key) const { return bool(m_present[key]) != bool(m_names.inFolder[key]); }
    const std::vector<int> &keys() const { return m_keys; }

private:
    const ComparedPairs &m_compared;
    const Names &m_names;
    const std::vector<qsizetype> &m_pairs;
    std::vector<char> &m_present;
    std::vector<int> m_keys; // in the order the pairs name them
    // Whether a name was there before the run: when the first pair that
    // names it has it as its old name. So every old name of the group was,
    // but for a temporary name, which one pair makes and a later one
    // renames on.
    std::vector<char> m_before;
};

// A group is small but for a long chain: linear in its pairs and names.
void checkGroup(const ComparedPairs &compared, const Names &names, const std::vector<qsizetype> &pairs,
                std::vector<char> &present, Result &result)
{
    Group group(compared, names, pairs, present);
    const qsizetype m = qsizetype(pairs.size());
    // The fewest differences, and the first and last k that reach them.
    qsizetype differences = group.reset();
    qsizetype fewest = differences;
    qsizetype first = 0;
    qsizetype last = 0;
    for (qsizetype k = 1; k <= m; ++k) {
        differences += group.run(k - 1);
        if (differences < fewest) {
            fewest = differences;
            first = last = k;
        } else if (differences == fewest) {
            last = k;
        }
    }
    // Done in every state that fits best, unclear where they disagree.
    for (qsizetype index = 0; index < m; ++index) {
        result.states[pairs[index]] = index < first ? State::Done : index < last ? State::Unclear : State::Open;
    }
    if (fewest == 0 && first == last)
        return;

    // The differences of the names that no unclear pair touches, each told
    // on the row of the pair that last changed the name, or first named it.
    group.reset();
    QHash<int, qsizetype> toldOn;
    for (qsizetype index = 0; index < first; ++index) {
        group.run(index);
        const ComparedPair &p = compared.pairs.at(pairs[index]);
        for (const int key : {p.oldKey, p.newKey})
            toldOn.insert(key, pairs[index]);
    }
    QSet<int> unclearNames;
    for (qsizetype index = first; index < last; ++index) {
        const qsizetype row = pairs[index];
        const ComparedPair &p = compared.pairs.at(row);
        unclearNames << p.oldKey << p.newKey;
        const bool oldThere = p.oldKey >= 0 && names.inFolder[p.oldKey];
        const bool newThere = p.newKey >= 0 && names.inFolder[p.newKey];
        QString text;
        if (p.unchanged())
            text = RunTexts::unchanged(row);
        else if (p.oldKey < 0 || p.newKey < 0 || oldThere != newThere)
            text = RunTexts::eitherWay(row);
        else if (oldThere)
            text = RunTexts::bothThere(row, names.shown(compared, p.oldKey), names.shown(compared, p.newKey));
        else
            text = RunTexts::neitherThere(row, names.shown(compared, p.oldKey), names.shown(compared, p.newKey));
        result.findings.append({row, text});
    }
    for (const int key : group.keys()) {
        if (unclearNames.contains(key) || !group.differs(key))
            continue;
        const qsizetype row = toldOn.value(key, names.namedBy[key]);
        const QString name = names.shown(compared, key);
        result.findings.append({row, present[key] ? RunTexts::missing(row, name) : RunTexts::stillThere(row, name)});
        ++result.differences;
    }
}

// The pairs that hold a name: the first two and how many. A name held
// twice as old name, or twice as new name, is an error of the name check,
// and a run of such pairs cannot be read back from the folder.
struct Holding {
    qsizetype first = -1;
    qsizetype second = -1;
    qsizetype count = 0;

    void add(qsizetype row)
    {
        if (first < 0)
            first = row;
        else if (second < 0)
            second = row;
        ++count;
    }
    qsizetype otherThan(qsizetype row) const { return first != row ? first : second; }
};

struct Holders {
    std::vector<Holding> asOld;
    std::vector<Holding> asNew;

    explicit Holders(const ComparedPairs &compared)
        : asOld(compared.keyCount)
        , asNew(compared.keyCount)
    {
        for (qsizetype i = 0; i < compared.pairs.size(); ++i) {
            const ComparedPair &p = compared.pairs.at(i);
            if (p.oldKey >= 0)
                asOld[p.oldKey].add(i);
            if (p.newKey >= 0)
                asNew[p.newKey].add(i);
        }
    }

    bool twice(const ComparedPair &p) const
    {
        return (p.oldKey >= 0 && asOld[p.oldKey].count > 1) || (p.newKey >= 0 && asNew[p.newKey].count > 1);
    }
};

// A group with a name held twice: the second pair with an old name cannot
// open it, the second with a new name cannot rename to it, and what either
// did to the run of the group is not to be seen in the folder. No pair of
// the group is judged; each says why.
void leaveGroupUnjudged(const ComparedPairs &compared, const Holders &holders, const QStringList &newNames,
                        const std::vector<qsizetype> &pairs, Result &result)
{
    const auto firstTwice = std::find_if(pairs.begin(), pairs.end(),
                                         [&](qsizetype row) { return holders.twice(compared.pairs.at(row)); });
    for (const qsizetype row : pairs) {
        result.states[row] = State::Unclear;
        const ComparedPair &p = compared.pairs.at(row);
        const auto tell = [&](bool oldName, const Holding &holding, const QString &name) {
            if (holding.count > 1)
                result.findings.append(
                    {row, RunTexts::twice(row, oldName, holding.otherThan(row), holding.count - 1, name)});
        };
        if (p.oldKey >= 0)
            tell(true, holders.asOld[p.oldKey], p.oldName);
        if (p.newKey >= 0)
            tell(false, holders.asNew[p.newKey], newNames.at(row));
        if (!holders.twice(p))
            result.findings.append({row, RunTexts::besideTwice(row, *firstTwice)});
    }
}

} // namespace

qsizetype Result::count(State state) const
{
    return std::count(states.begin(), states.end(), state);
}

Result check(const QStringList &oldNames, const QStringList &newNames, const FolderObjects &folder)
{
    const ComparedPairs compared = comparePairs(oldNames, newNames);
    const Names names(compared, folder);
    Result result;
    result.states.resize(compared.pairs.size());
    std::vector<char> present(compared.keyCount);
    const Holders holders(compared);
    for (const std::vector<qsizetype> &pairs : groupsOf(compared)) {
        if (std::any_of(pairs.begin(), pairs.end(),
                        [&](qsizetype row) { return holders.twice(compared.pairs.at(row)); }))
            leaveGroupUnjudged(compared, holders, newNames, pairs, result);
        else
            checkGroup(compared, names, pairs, present, result);
    }
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.row < b.row; });
    return result;
}

Pairs pairsIn(const QStringList &oldNames, const QStringList &newNames, const Result &result, State state)
{
    Pairs pairs;
    for (qsizetype row = 0; row < result.states.size(); ++row) {
        if (result.states.at(row) != state)
            continue;
        pairs.oldNames << oldNames.at(row);
        pairs.newNames << newNames.at(row);
        pairs.rows << row;
    }
    return pairs;
}

QList<NameCheck::Finding> withoutFolderRules(const QList<NameCheck::Finding> &findings, const Result &run)
{
    using NameCheck::Rule;
    QList<NameCheck::Finding> kept;
    kept.reserve(findings.size());
    std::copy_if(findings.begin(), findings.end(), std::back_inserter(kept), [&run](const NameCheck::Finding &f) {
        const bool folderRule = f.rule == Rule::MissingInFolder || f.rule == Rule::TakenInFolder
            || f.rule == Rule::DrawingLeftBehind;
        return !folderRule || run.states.value(f.row, State::Unclear) == State::Unclear;
    });
    return kept;
}

QList<RowMark> rowMarks(const Result &result)
{
    QList<RowMark> marks;
    marks.reserve(result.states.size());
    for (const State state : result.states)
        marks.append({state, RunTexts::stateWord(state)});
    for (const Finding &finding : result.findings)
        marks[finding.row].tooltip += u'\n' + finding.text;
    return marks;
}

} // namespace RunCheck
