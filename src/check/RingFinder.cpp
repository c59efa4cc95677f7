#include "check/RingFinder.h"

#include <algorithm>
#include <utility>

namespace {

// A directed graph in compressed rows: the targets of node v are
// targets[first[v]] .. targets[first[v + 1] - 1].
struct Graph {
    std::vector<int> first;
    std::vector<int> targets;
    int nodes() const { return int(first.size()) - 1; }
};

// Tarjan's strongly connected components without recursion: a chain of
// 32,767 pairs would overflow the call stack. Returns the size of the
// component of each node.
std::vector<int> componentSizes(const Graph &g)
{
    const int n = g.nodes();
    std::vector<int> index(n, -1), low(n, 0), component(n, -1), sizes;
    std::vector<int> stack;
    std::vector<std::pair<int, int>> calls; // node and its next edge
    int counter = 0;
    const auto visit = [&](int v) {
        index[v] = low[v] = counter++;
        stack.push_back(v);
        calls.emplace_back(v, g.first[v]);
    };
    for (int root = 0; root < n; ++root) {
        if (index[root] >= 0)
            continue;
        visit(root);
        while (!calls.empty()) {
            const int v = calls.back().first;
            const int edge = calls.back().second;
            if (edge < g.first[v + 1]) {
                ++calls.back().second;
                const int w = g.targets[edge];
                if (index[w] < 0)
                    visit(w);
                else if (component[w] < 0)
                    low[v] = std::min(low[v], index[w]);
                continue;
            }
            calls.pop_back();
            if (!calls.empty())
                low[calls.back().first] = std::min(low[calls.back().first], low[v]);
            if (low[v] != index[v])
                continue;
            const int id = int(sizes.size());
            int size = 0;
            int w;
            do {
                w = stack.back();
                stack.pop_back();
                component[w] = id;
                ++size;
            } while (w != v);
            sizes.push_back(size);
        }
    }
    std::vector<int> sizeOfNode(n);
    for (int v = 0; v < n; ++v)
        sizeOfNode[v] = sizes[component[v]];
    return sizeOfNode;
}

} // namespace

// Pair i leads to every pair j whose old key is i's new key. Going through
// one node per key keeps the graph linear even when many pairs share a
// name. A pair that keeps its name would lead back to itself through its
// own key without being on a ring, so such pairs stay out of the graph:
// any ring through one also runs past it directly. One of them is on a
// ring when a second pair keeps the same name (each waits for the other)
// or when its key lies on a ring of the other pairs.
std::vector<bool> pairsOnRings(const ComparedPairs &compared)
{
    const auto &pairs = compared.pairs;
    const int rows = int(pairs.size());
    const int keyNode0 = rows;
    std::vector<int> outDegree(rows + compared.keyCount, 0);
    std::vector<int> keptNames(compared.keyCount, 0);
    for (const ComparedPair &p : pairs) {
        if (p.unchanged())
            ++keptNames[p.oldKey];
    }
    const auto inGraph = [](const ComparedPair &p) { return !p.unchanged(); };
    for (int i = 0; i < rows; ++i) {
        const ComparedPair &p = pairs.at(i);
        if (!inGraph(p))
            continue;
        if (p.newKey >= 0)
            ++outDegree[i];
        if (p.oldKey >= 0)
            ++outDegree[keyNode0 + p.oldKey];
    }
    Graph g;
    g.first.assign(outDegree.size() + 1, 0);
    for (size_t v = 0; v < outDegree.size(); ++v)
        g.first[v + 1] = g.first[v] + outDegree[v];
    g.targets.resize(g.first.back());
    std::vector<int> fill(g.first.begin(), g.first.end() - 1);
    for (int i = 0; i < rows; ++i) {
        const ComparedPair &p = pairs.at(i);
        if (!inGraph(p))
            continue;
        if (p.newKey >= 0)
            g.targets[fill[i]++] = keyNode0 + p.newKey;
        if (p.oldKey >= 0)
            g.targets[fill[keyNode0 + p.oldKey]++] = i;
    }
    const std::vector<int> size = componentSizes(g);
    std::vector<bool> onRing(rows, false);
    for (int i = 0; i < rows; ++i) {
        const ComparedPair &p = pairs.at(i);
        onRing[i] = p.unchanged() ? keptNames[p.oldKey] > 1 || size[keyNode0 + p.oldKey] > 1 : size[i] > 1;
    }
    return onRing;
}
