#include "rowalignment.h"

#include <algorithm>

namespace varn {
namespace {

enum class Step : std::uint8_t { Same, Remove, Add };

struct Run {
    Step step;
    int a;
    int b;
    int length;
};

// Myers' forward search from (0, 0) to (n, m); false when it needs more than maxEdits steps.
bool shortestScript(int n, int m, const std::function<bool(int, int)>& equal, int maxEdits,
                    int offsetA, int offsetB, std::vector<Run>& runs) {
    const int limit = std::min(maxEdits, n + m);
    const int origin = limit + 1;
    std::vector<int> v(static_cast<std::size_t>(2 * limit + 3), 0);
    std::vector<std::vector<int>> trace;  // v after each step, only the diagonals it reached
    int found = -1;
    for (int d = 0; d <= limit && found < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            const bool down = k == -d || (k != d && v[origin + k - 1] < v[origin + k + 1]);
            int x = down ? v[origin + k + 1] : v[origin + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && equal(offsetA + x, offsetB + y)) {
                ++x;
                ++y;
            }
            v[origin + k] = x;
            if (x >= n && y >= m) found = d;
        }
        trace.emplace_back(v.begin() + origin - d, v.begin() + origin + d + 1);
    }
    if (found < 0) return false;
    // Walk back from the end, collecting runs in reverse.
    std::vector<Run> reversed;
    int x = n;
    int y = m;
    for (int d = found; d > 0; --d) {
        const std::vector<int>& previous = trace[d - 1];
        const auto at = [&](int k) { return previous[k + d - 1]; };
        const int k = x - y;
        const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
        const int previousK = down ? k + 1 : k - 1;
        const int previousX = at(previousK);
        const int previousY = previousX - previousK;
        const int startX = down ? previousX : previousX + 1;
        const int startY = startX - k;
        if (x > startX)
            reversed.push_back({Step::Same, offsetA + startX, offsetB + startY, x - startX});
        reversed.push_back(down ? Run{Step::Add, offsetA + previousX, offsetB + previousY, 1}
                                : Run{Step::Remove, offsetA + previousX, offsetB + previousY, 1});
        x = previousX;
        y = previousY;
    }
    if (x > 0) reversed.push_back({Step::Same, offsetA, offsetB, x});
    runs.insert(runs.end(), reversed.rbegin(), reversed.rend());
    return true;
}

// Position by position: equal rows stay, other pairs are changed, the rest added or removed.
void byPosition(int n, int m, const std::function<bool(int, int)>& equal, int offset,
                std::vector<Run>& runs) {
    for (int i = 0; i < std::min(n, m); ++i) {
        if (equal(offset + i, offset + i)) continue;
        runs.push_back({Step::Remove, offset + i, offset + i, 1});
        runs.push_back({Step::Add, offset + i + 1, offset + i, 1});
    }
    for (int i = m; i < n; ++i)
        runs.push_back({Step::Remove, offset + i, offset + m, 1});
    for (int j = n; j < m; ++j)
        runs.push_back({Step::Add, offset + n, offset + j, 1});
}

// Removed rows directly followed by added ones (or the other way round) pair up as changed.
std::vector<RowChange> pairUp(const std::vector<Run>& runs) {
    std::vector<RowChange> changes;
    std::vector<int> removed;
    std::vector<int> added;
    const auto flush = [&] {
        const std::size_t pairs = std::min(removed.size(), added.size());
        for (std::size_t i = 0; i < pairs; ++i)
            changes.push_back({RowChange::Kind::Changed, removed[i], added[i]});
        for (std::size_t i = pairs; i < removed.size(); ++i)
            changes.push_back({RowChange::Kind::Removed, removed[i], -1});
        for (std::size_t i = pairs; i < added.size(); ++i)
            changes.push_back({RowChange::Kind::Added, -1, added[i]});
        removed.clear();
        added.clear();
    };
    for (const Run& run : runs) {
        if (run.step == Step::Same) {
            flush();
        } else {
            for (int i = 0; i < run.length; ++i)
                (run.step == Step::Remove ? removed : added)
                    .push_back(run.step == Step::Remove ? run.a + i : run.b + i);
        }
    }
    flush();
    return changes;
}

}  // namespace

RowAlignment alignRows(int countA, int countB, const std::function<bool(int, int)>& equal,
                       int maxEdits) {
    // Equal rows at the start and the end cost nothing to pair.
    int prefix = 0;
    while (prefix < countA && prefix < countB && equal(prefix, prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < countA - prefix && suffix < countB - prefix &&
           equal(countA - 1 - suffix, countB - 1 - suffix))
        ++suffix;
    const int n = countA - prefix - suffix;
    const int m = countB - prefix - suffix;
    RowAlignment alignment;
    std::vector<Run> runs;
    if (!shortestScript(n, m, equal, maxEdits, prefix, prefix, runs)) {
        runs.clear();
        byPosition(countA, countB, equal, 0, runs);
        alignment.byPosition = true;
    }
    alignment.changes = pairUp(runs);
    return alignment;
}

}  // namespace varn
