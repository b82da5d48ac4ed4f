#include "chart/contour/contour_join.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace brelt::chart {

namespace {

constexpr int kNone = -1;
constexpr std::uint64_t kNoSeq = std::numeric_limits<std::uint64_t>::max();

// Open ends by cell. A cell is 64 tolerances wide: everything within a tolerance of a point lies
// in the cells that a box of twice the tolerance around it touches, mostly one, at most 2 x 2.
// Cell numbers are folded into 32 bits each; two cells that fold together only share a bucket,
// and every candidate is checked against the tolerance by the caller. An emptied bucket leaves
// the table (linear probing with backward shift), so the table holds only the cells of the ends
// open at the moment: a few rows of the grid, small enough to stay in the cache.
class EndHash {
public:
    // Empties the hash (keeping its memory) for ends that meet within `tolerance`.
    void reset(const JoinTolerance& tolerance) {
        m_marginX = 2 * tolerance.x;
        m_marginY = 2 * tolerance.y;
        m_inverseX = 1 / (64 * std::max(tolerance.x, 1e-300));
        m_inverseY = 1 / (64 * std::max(tolerance.y, 1e-300));
        if (m_slots.empty()) m_slots.resize(256);
        std::fill(m_slots.begin(), m_slots.end(), Slot{});
        m_mask = m_slots.size() - 1;
        m_used = 0;
        m_entries.clear();
        m_free.clear();
    }

    int insert(int chain, int which, const ContourPoint& p) {
        const int slot = findSlot(keyOf(cellOf(p.x, m_inverseX), cellOf(p.y, m_inverseY)));
        int entry;
        if (!m_free.empty()) {
            entry = m_free.back();
            m_free.pop_back();
        } else {
            entry = static_cast<int>(m_entries.size());
            m_entries.emplace_back();
        }
        Entry& e = m_entries[static_cast<std::size_t>(entry)];
        e = {chain, which, kNone, m_slots[static_cast<std::size_t>(slot)].head, slot};
        if (e.next != kNone) m_entries[static_cast<std::size_t>(e.next)].prev = entry;
        m_slots[static_cast<std::size_t>(slot)].head = entry;
        return entry;
    }

    void erase(int entry) {
        Entry& e = m_entries[static_cast<std::size_t>(entry)];
        if (e.prev != kNone)
            m_entries[static_cast<std::size_t>(e.prev)].next = e.next;
        else
            m_slots[static_cast<std::size_t>(e.slot)].head = e.next;
        if (e.next != kNone) m_entries[static_cast<std::size_t>(e.next)].prev = e.prev;
        m_free.push_back(entry);
        if (m_slots[static_cast<std::size_t>(e.slot)].head == kNone)
            removeSlot(static_cast<std::size_t>(e.slot));
    }

    // Calls f(chain, which) for every open end in the cells near p: p's own cell, and a
    // neighbour where p lies within twice the tolerance of the border (1/32 of a cell).
    template <class F> void forEachNear(const ContourPoint& p, F&& f) const {
        std::int64_t x0, x1, y0, y1;
        span(p.x, m_inverseX, x0, x1);
        span(p.y, m_inverseY, y0, y1);
        for (std::int64_t kx = x0; kx <= x1; ++kx)
            for (std::int64_t ky = y0; ky <= y1; ++ky)
                for (int e = lookup(keyOf(kx, ky)); e != kNone;) {
                    const Entry& entry = m_entries[static_cast<std::size_t>(e)];
                    f(entry.chain, entry.which);
                    e = entry.next;
                }
    }

private:
    static constexpr int kUnused = -2; // head of a slot that never held a key
    struct Slot {
        std::uint64_t key = 0;
        int head = kUnused;
    };
    struct Entry {
        int chain = kNone;
        int which = 0;
        int prev = kNone;
        int next = kNone;
        int slot = kNone;
    };

    static void span(double v, double inverse, std::int64_t& first, std::int64_t& last) {
        const double q = v * inverse;
        if (!(std::fabs(q) < 4.0e18)) {
            first = last = cellOf(v, inverse);
            return;
        }
        auto k = static_cast<std::int64_t>(q);
        if (q < static_cast<double>(k)) --k;
        const double within = q - static_cast<double>(k); // 0 <= within < 1
        first = within < 1.0 / 32 + 1e-9 ? k - 1 : k;
        last = within > 31.0 / 32 - 1e-9 ? k + 1 : k;
    }
    static std::int64_t cellOf(double v, double inverse) {
        const double q = v * inverse;
        if (!(std::fabs(q) < 4.0e18)) return q > 0 ? 4000000000000000000 : -4000000000000000000;
        const auto k = static_cast<std::int64_t>(q); // floor: truncation, one down below zero
        return q < static_cast<double>(k) ? k - 1 : k;
    }
    static std::uint64_t keyOf(std::int64_t kx, std::int64_t ky) {
        return (static_cast<std::uint64_t>(kx) & 0xFFFFFFFFull) | (static_cast<std::uint64_t>(ky) << 32);
    }
    std::size_t slotOf(std::uint64_t key) const {
        // splitmix64 finaliser.
        std::uint64_t h = key;
        h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::size_t>(h ^ (h >> 31)) & m_mask;
    }
    int lookup(std::uint64_t key) const {
        for (std::size_t s = slotOf(key);; s = (s + 1) & m_mask) {
            const Slot& slot = m_slots[s];
            if (slot.head == kUnused) return kNone;
            if (slot.key == key) return slot.head;
        }
    }
    int findSlot(std::uint64_t key) {
        if (2 * (m_used + 1) > m_slots.size()) grow();
        for (std::size_t s = slotOf(key);; s = (s + 1) & m_mask) {
            Slot& slot = m_slots[s];
            if (slot.head == kUnused) {
                slot = {key, kNone};
                ++m_used;
                return static_cast<int>(s);
            }
            if (slot.key == key) return static_cast<int>(s);
        }
    }
    // Empties slot i and moves later slots of its probe run back, so that lookups stay short.
    void removeSlot(std::size_t i) {
        for (std::size_t j = i;;) {
            j = (j + 1) & m_mask;
            if (m_slots[j].head == kUnused) break;
            const std::size_t home = slotOf(m_slots[j].key);
            // A slot whose home lies cyclically in (i, j] stays where it is.
            const bool stays = i <= j ? (i < home && home <= j) : (i < home || home <= j);
            if (stays) continue;
            m_slots[i] = m_slots[j];
            for (int e = m_slots[i].head; e != kNone; e = m_entries[static_cast<std::size_t>(e)].next)
                m_entries[static_cast<std::size_t>(e)].slot = static_cast<int>(i);
            i = j;
        }
        m_slots[i] = Slot{};
        --m_used;
    }
    void grow() {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.size() * 2, Slot{});
        m_mask = m_slots.size() - 1;
        m_used = 0;
        for (const Slot& o : old) {
            if (o.head == kUnused) continue;
            const int slot = findSlot(o.key);
            m_slots[static_cast<std::size_t>(slot)].head = o.head;
            for (int e = o.head; e != kNone; e = m_entries[static_cast<std::size_t>(e)].next)
                m_entries[static_cast<std::size_t>(e)].slot = slot;
        }
    }

    double m_marginX = 0;
    double m_marginY = 0;
    double m_inverseX = 0;
    double m_inverseY = 0;
    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_used = 0;
    std::vector<Entry> m_entries;
    std::vector<int> m_free;
};

// The chains are points linked both ways, so that attaching at either end, reversed or not,
// costs the same. The list order is the sequence number a chain took when it was last appended.
//
// After each piece no two listed chains have ends that meet (a chain is appended only when it
// meets nothing listed). So when a grown chain is joined again, only the end that moved can meet
// anything: that end is looked up, and the other one keeps its place in the hash.
} // namespace

// One level at a time; the memory stays for the next level.
class ContourJoiner::LevelJoiner {
public:
    void reset(const JoinTolerance& tolerance) {
        m_tolerance = tolerance;
        m_ends.reset(tolerance);
        m_sameX.reset(tolerance);
        m_sameY.reset(tolerance);
        m_nodes.clear();
        m_chains.clear();
        m_nextSeq = 0;
        m_last = kNone;
        m_pendingEnd = kNone;
        m_shapesIndexed = false;
    }

    void add(const ContourSegment& s);
    std::vector<ContourPolyline> result(double level) const;

private:
    struct Node {
        ContourPoint p;
        int link[2] = {kNone, kNone};
    };
    struct Chain {
        int node[2] = {kNone, kNone}; // start and end nodes
        LabelSegment label;
        std::uint64_t seq = kNoSeq; // place in the list; kNoSeq while out of it
        int entry[2] = {kNone, kNone};
        int shapeEntry[2] = {kNone, kNone}; // in m_sameX, m_sameY
        bool alive = true;
    };
    enum Pairing { StartStart, EndStart, StartEnd, EndEnd };

    Chain& chain(int c) { return m_chains[static_cast<std::size_t>(c)]; }
    const Chain& chain(int c) const { return m_chains[static_cast<std::size_t>(c)]; }
    const ContourPoint& endPoint(int c, int which) const {
        return m_nodes[static_cast<std::size_t>(chain(c).node[which])].p;
    }
    int newNode(const ContourPoint& p) {
        m_nodes.push_back({p, {kNone, kNone}});
        return static_cast<int>(m_nodes.size() - 1);
    }
    void link(int a, int b);
    void unlink(int a, int b);
    void append(int c, int changedEnd);
    void takeOut(int c);
    void indexShape(int c, bool add);
    // The two listed chains of lowest sequence with an end meeting q (kNone where there are
    // fewer); `best` may come in already set.
    void firstMatchOf(const ContourPoint& q, int& best, int* second = nullptr) const;
    static int pairingOf(const JoinTolerance& t, const ContourPoint& ns, const ContourPoint& ne,
                         const ContourPoint& ps, const ContourPoint& pe);
    int pairing(int n, int p) const {
        return pairingOf(m_tolerance, endPoint(n, 0), endPoint(n, 1), endPoint(p, 0), endPoint(p, 1));
    }
    // A point exactly at an end of the chain appended last meets that chain and no other listed
    // one (no two listed chains have meeting ends): no lookup needed.
    bool onLastEnd(const ContourPoint& p, int& first) const {
        if (m_last == kNone || chain(m_last).seq == kNoSeq) return false;
        if (!(endPoint(m_last, 0) == p || endPoint(m_last, 1) == p)) return false;
        first = m_last;
        return true;
    }
    // Attaches a fresh piece running from `near` (which meets end `which` of n) to `far`.
    void attachPiece(int n, int which, const ContourPoint& far, const LabelSegment& label);
    // Attaches p to n; returns the end of n that moved.
    int attach(int n, int p, int pairing);
    std::uint64_t firstDiscarding(const ContourSegment& s);

    JoinTolerance m_tolerance;
    EndHash m_ends;
    std::vector<Node> m_nodes;
    std::vector<Chain> m_chains;
    std::uint64_t m_nextSeq = 0;
    int m_last = kNone; // the chain appended last
    // The end of m_last that moved last stays out of the hash: the next piece usually moves it
    // again. Lookups check it on their own.
    int m_pendingEnd = kNone;
    // Listed chains whose two ends have the same X (the same Y), by that coordinate (as the
    // point (x, 0), or (0, y)).
    EndHash m_sameX;
    EndHash m_sameY;
    // Built when the level's first piece that the edge test concerns arrives (smooth data has
    // none), kept up to date from then on.
    bool m_shapesIndexed = false;
};

void ContourJoiner::LevelJoiner::link(int a, int b) {
    auto add = [this](int node, int other) {
        int* l = m_nodes[static_cast<std::size_t>(node)].link;
        (l[0] == kNone ? l[0] : l[1]) = other;
    };
    add(a, b);
    add(b, a);
}

void ContourJoiner::LevelJoiner::unlink(int a, int b) {
    auto remove = [this](int node, int other) {
        int* l = m_nodes[static_cast<std::size_t>(node)].link;
        if (l[0] == other) l[0] = l[1];
        l[1] = kNone;
    };
    remove(a, b);
    remove(b, a);
}

void ContourJoiner::LevelJoiner::indexShape(int c, bool add) {
    if (!m_shapesIndexed) return;
    Chain& ch = chain(c);
    if (!add) {
        for (int k = 0; k < 2; ++k)
            if (ch.shapeEntry[k] != kNone)
                (k == 0 ? m_sameX : m_sameY).erase(ch.shapeEntry[k]), ch.shapeEntry[k] = kNone;
        return;
    }
    const ContourPoint& s = endPoint(c, 0);
    const ContourPoint& e = endPoint(c, 1);
    if (s.x == e.x) ch.shapeEntry[0] = m_sameX.insert(c, 0, {s.x, 0});
    if (s.y == e.y) ch.shapeEntry[1] = m_sameY.insert(c, 1, {0, s.y});
}

// Puts c at the end of the list. The end that moved (the end of a new chain) becomes the pending
// one; every other open end without a hash entry gets one.
void ContourJoiner::LevelJoiner::append(int c, int changedEnd) {
    const int keep = changedEnd < 0 ? 1 : changedEnd;
    if (m_last != kNone && m_pendingEnd != kNone && !(m_last == c && m_pendingEnd == keep)) {
        Chain& last = chain(m_last);
        if (last.alive && last.entry[m_pendingEnd] == kNone)
            last.entry[m_pendingEnd] = m_ends.insert(m_last, m_pendingEnd, endPoint(m_last, m_pendingEnd));
    }
    m_last = c;
    m_pendingEnd = keep;
    Chain& ch = chain(c);
    ch.seq = m_nextSeq++;
    for (int w = 0; w < 2; ++w)
        if (w != keep && ch.entry[w] == kNone) ch.entry[w] = m_ends.insert(c, w, endPoint(c, w));
    indexShape(c, true);
}

void ContourJoiner::LevelJoiner::takeOut(int c) {
    indexShape(c, false);
    chain(c).seq = kNoSeq;
}

void ContourJoiner::LevelJoiner::firstMatchOf(const ContourPoint& q, int& best, int* second) const {
    std::uint64_t bestSeq = best == kNone ? kNoSeq : chain(best).seq;
    std::uint64_t secondSeq = kNoSeq;
    auto consider = [&](int c, int which) {
        const std::uint64_t seq = chain(c).seq;
        if (seq == kNoSeq || !m_tolerance.meets(endPoint(c, which), q) || c == best) return;
        if (seq < bestSeq) {
            if (second) *second = best, secondSeq = bestSeq;
            best = c;
            bestSeq = seq;
        } else if (second && seq < secondSeq) {
            *second = c;
            secondSeq = seq;
        }
    };
    m_ends.forEachNear(q, consider);
    if (m_last != kNone && m_pendingEnd != kNone) consider(m_last, m_pendingEnd);
}

int ContourJoiner::LevelJoiner::pairingOf(const JoinTolerance& t, const ContourPoint& ns,
                                          const ContourPoint& ne, const ContourPoint& ps,
                                          const ContourPoint& pe) {
    if (t.meets(ns, ps)) return StartStart;
    if (t.meets(ne, ps)) return EndStart;
    if (t.meets(ns, pe)) return StartEnd;
    return EndEnd;
}

void ContourJoiner::LevelJoiner::attachPiece(int n, int which, const ContourPoint& far,
                                             const LabelSegment& label) {
    Chain& cn = chain(n);
    if (cn.entry[which] != kNone) m_ends.erase(cn.entry[which]), cn.entry[which] = kNone;
    const int node = newNode(far);
    link(cn.node[which], node);
    cn.node[which] = node;
    if (label.gradient < cn.label.gradient) cn.label = label;
}

int ContourJoiner::LevelJoiner::attach(int n, int p, int pair) {
    Chain& cn = chain(n);
    Chain& cp = chain(p);
    const int nWhich = pair == StartStart || pair == StartEnd ? 0 : 1;
    const int pWhich = pair == StartStart || pair == EndStart ? 0 : 1;
    for (int& entry : cp.entry)
        if (entry != kNone) m_ends.erase(entry), entry = kNone;
    if (cn.entry[nWhich] != kNone) m_ends.erase(cn.entry[nWhich]), cn.entry[nWhich] = kNone;
    // P's meeting node drops out; its neighbour links to N's meeting node.
    const int meeting = cp.node[pWhich];
    const int inner = m_nodes[static_cast<std::size_t>(meeting)].link[0];
    unlink(meeting, inner);
    link(cn.node[nWhich], inner);
    cn.node[nWhich] = cp.node[1 - pWhich];
    if (cp.label.gradient < cn.label.gradient) cn.label = cp.label;
    cp.alive = false;
    return nWhich;
}

std::uint64_t ContourJoiner::LevelJoiner::firstDiscarding(const ContourSegment& s) {
    if (s.a.x != s.b.x && s.a.y != s.b.y) return kNoSeq;
    if (!m_shapesIndexed) {
        m_shapesIndexed = true;
        for (std::size_t c = 0; c < m_chains.size(); ++c)
            if (m_chains[c].alive && m_chains[c].seq != kNoSeq) indexShape(static_cast<int>(c), true);
    }
    std::uint64_t first = kNoSeq;
    auto within = [](double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    if (s.a.x == s.b.x)
        m_sameX.forEachNear({s.a.x, 0}, [&](int c, int) {
            const ContourPoint& ns = endPoint(c, 0);
            const ContourPoint& ne = endPoint(c, 1);
            if (ns.x == s.a.x && ne.x == s.a.x && within(s.a.y, ns.y, ne.y) && within(s.b.y, ns.y, ne.y))
                first = std::min(first, chain(c).seq);
        });
    if (s.a.y == s.b.y)
        m_sameY.forEachNear({0, s.a.y}, [&](int c, int) {
            const ContourPoint& ns = endPoint(c, 0);
            const ContourPoint& ne = endPoint(c, 1);
            if (ns.y == s.a.y && ne.y == s.a.y && within(s.a.x, ns.x, ne.x) && within(s.b.x, ns.x, ne.x))
                first = std::min(first, chain(c).seq);
        });
    return first;
}

void ContourJoiner::LevelJoiner::add(const ContourSegment& s) {
    if (m_tolerance.meets(s.a, s.b)) return;
    // The two first listed chains meeting each end: the first over both ends takes the piece,
    // and the first other one meeting the far end is where the grown chain goes next.
    int firstA = kNone, secondA = kNone, firstB = kNone, secondB = kNone;
    if (!onLastEnd(s.a, firstA)) firstMatchOf(s.a, firstA, &secondA);
    if (!onLastEnd(s.b, firstB)) firstMatchOf(s.b, firstB, &secondB);
    int n = firstA;
    if (firstB != kNone && (n == kNone || chain(firstB).seq < chain(n).seq)) n = firstB;
    const std::uint64_t discard = firstDiscarding(s);
    // The list is walked in order: the first polyline that discards or takes the piece decides,
    // and one that would do both discards.
    if (discard != kNoSeq && (n == kNone || discard <= chain(n).seq)) return;
    const LabelSegment label{s.a.x, s.a.y, s.b.x, s.b.y, s.gradient};
    if (n == kNone) {
        Chain piece;
        piece.node[0] = newNode(s.a);
        piece.node[1] = newNode(s.b);
        link(piece.node[0], piece.node[1]);
        piece.label = label;
        m_chains.push_back(piece);
        append(static_cast<int>(m_chains.size() - 1), -1);
        return;
    }
    const ContourPoint& ns = endPoint(n, 0);
    const ContourPoint& ne = endPoint(n, 1);
    const int pair = pairingOf(m_tolerance, ns, ne, s.a, s.b);
    const bool viaStart = pair == StartStart || pair == EndStart; // the piece meets at s.a
    const int moved = pair == StartStart || pair == StartEnd ? 0 : 1;
    takeOut(n);
    attachPiece(n, moved, viaStart ? s.b : s.a, label);
    const int farFirst = viaStart ? firstB : firstA, farSecond = viaStart ? secondB : secondA;
    int next = farFirst == n ? farSecond : farFirst;
    for (int grown = n, end = moved;;) {
        if (next == kNone) {
            append(grown, end);
            return;
        }
        takeOut(next);
        end = attach(next, grown, pairing(next, grown));
        grown = next;
        next = kNone;
        firstMatchOf(endPoint(grown, end), next);
    }
}

std::vector<ContourPolyline> ContourJoiner::LevelJoiner::result(double level) const {
    std::vector<int> order;
    for (std::size_t c = 0; c < m_chains.size(); ++c)
        if (m_chains[c].alive) order.push_back(static_cast<int>(c));
    std::sort(order.begin(), order.end(), [this](int a, int b) { return chain(a).seq < chain(b).seq; });
    std::vector<ContourPolyline> lines;
    lines.reserve(order.size());
    for (int c : order) {
        ContourPolyline line;
        line.level = level;
        line.start = endPoint(c, 0);
        line.end = endPoint(c, 1);
        line.labelSegment = chain(c).label;
        for (int prev = kNone, node = chain(c).node[0]; node != kNone;) {
            const Node& nd = m_nodes[static_cast<std::size_t>(node)];
            line.points.push_back(nd.p);
            const int next = nd.link[0] != prev ? nd.link[0] : nd.link[1];
            prev = node;
            node = next;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

ContourJoiner::ContourJoiner() : m_impl(std::make_unique<LevelJoiner>()) {}

ContourJoiner::~ContourJoiner() = default;

std::vector<ContourPolyline> ContourJoiner::join(const std::vector<ContourSegment>& pieces, double level,
                                                 const JoinTolerance& tolerance) {
    m_impl->reset(tolerance);
    for (const ContourSegment& s : pieces)
        m_impl->add(s);
    return m_impl->result(level);
}

std::vector<ContourPolyline> joinPieces(const std::vector<ContourSegment>& pieces, double level,
                                        const JoinTolerance& tolerance) {
    return ContourJoiner().join(pieces, level, tolerance);
}

} // namespace brelt::chart
