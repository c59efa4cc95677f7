#include "check/ChainOrder.h"

#include "check/CheckTexts.h"
#include "check/ComparedPairs.h"

#include <functional>
#include <queue>
#include <vector>

namespace ChainOrder {

Result order(const QStringList &oldNames, const QStringList &newNames)
{
    const ComparedPairs compared = comparePairs(oldNames, newNames);
    const QList<ComparedPair> &pairs = compared.pairs;
    const qsizetype rows = pairs.size();

    // How many unplaced pairs hold each old name, and which pairs wait for
    // each name to become free (in compressed rows by key).
    std::vector<qsizetype> holders(compared.keyCount, 0);
    std::vector<qsizetype> firstWaiter(compared.keyCount + 1, 0);
    for (const ComparedPair &p : pairs) {
        if (p.oldKey >= 0)
            ++holders[p.oldKey];
        if (p.newKey >= 0)
            ++firstWaiter[p.newKey + 1];
    }
    for (int k = 0; k < compared.keyCount; ++k)
        firstWaiter[k + 1] += firstWaiter[k];
    std::vector<qsizetype> waiters(firstWaiter.back());
    std::vector<qsizetype> fill(firstWaiter.begin(), firstWaiter.end() - 1);
    for (qsizetype i = 0; i < rows; ++i) {
        if (pairs.at(i).newKey >= 0)
            waiters[fill[pairs.at(i).newKey]++] = i;
    }

    // A pair is free when no other unplaced pair holds its new name; a pair
    // that keeps its name does not block itself.
    const auto isFree = [&](qsizetype i) {
        const ComparedPair &p = pairs.at(i);
        return p.newKey < 0 || holders[p.newKey] - (p.unchanged() ? 1 : 0) == 0;
    };
    enum class State : char { Waiting, Ready, Placed };
    std::vector<State> state(rows, State::Waiting);
    std::priority_queue<qsizetype, std::vector<qsizetype>, std::greater<>> ready;
    for (qsizetype i = 0; i < rows; ++i) {
        if (isFree(i)) {
            state[i] = State::Ready;
            ready.push(i);
        }
    }

    std::vector<qsizetype> placed;
    placed.reserve(rows);
    while (!ready.empty()) {
        const qsizetype i = ready.top();
        ready.pop();
        state[i] = State::Placed;
        placed.push_back(i);
        const int key = pairs.at(i).oldKey;
        if (key < 0 || --holders[key] > 1)
            continue;
        // Only at one and at zero holders can a waiter become free, so each
        // waiter list is walked at most twice.
        for (qsizetype w = firstWaiter[key]; w < firstWaiter[key + 1]; ++w) {
            const qsizetype j = waiters[w];
            if (state[j] == State::Waiting && isFree(j)) {
                state[j] = State::Ready;
                ready.push(j);
            }
        }
    }

    Result result;
    result.ringsRemain = qsizetype(placed.size()) < rows;
    for (qsizetype i = 0; i < rows; ++i) {
        if (state[i] != State::Placed)
            placed.push_back(i);
    }
    result.oldNames.reserve(oldNames.size());
    result.newNames.reserve(newNames.size());
    for (qsizetype pos = 0; pos < rows; ++pos) {
        const qsizetype from = placed[pos];
        result.oldNames.append(oldNames.at(from));
        result.newNames.append(newNames.at(from));
        if (from != pos)
            ++result.moved;
    }
    result.oldNames.append(oldNames.mid(rows));
    result.newNames.append(newNames.mid(rows));
    return result;
}

QString statusText(const Result &result)
{
    return CheckTexts::orderStatus(result.moved, result.ringsRemain);
}

} // namespace ChainOrder
