#include "reference_joiner.h"

#include <algorithm>

namespace brelt::chart::test {

namespace {

enum Pairing { None = -1, StartStart, EndStart, StartEnd, EndEnd };

Pairing pairingOf(const ContourPolyline& n, const ContourPolyline& p, const JoinTolerance& t) {
    if (t.meets(n.start, p.start)) return StartStart;
    if (t.meets(n.end, p.start)) return EndStart;
    if (t.meets(n.start, p.end)) return StartEnd;
    if (t.meets(n.end, p.end)) return EndEnd;
    return None;
}

// A grid edge that two neighbouring cells both produced.
bool discards(const ContourPolyline& n, const ContourPolyline& p) {
    auto within = [](double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    if (n.start.x == n.end.x && n.end.x == p.start.x && p.start.x == p.end.x &&
        within(p.start.y, n.start.y, n.end.y) && within(p.end.y, n.start.y, n.end.y))
        return true;
    return n.start.y == n.end.y && n.end.y == p.start.y && p.start.y == p.end.y &&
           within(p.start.x, n.start.x, n.end.x) && within(p.end.x, n.start.x, n.end.x);
}

// P's points at N's meeting end, P's own meeting point left out.
void attach(ContourPolyline& n, const ContourPolyline& p, Pairing pairing) {
    std::vector<ContourPoint> q = p.points;
    if (pairing == StartStart || pairing == EndStart)
        q.erase(q.begin());
    else
        q.pop_back();
    if (pairing == StartStart || pairing == EndEnd) std::reverse(q.begin(), q.end());
    if (pairing == StartStart || pairing == StartEnd) {
        n.points.insert(n.points.begin(), q.begin(), q.end());
        n.start = n.points.front();
    } else {
        n.points.insert(n.points.end(), q.begin(), q.end());
        n.end = n.points.back();
    }
    if (p.labelSegment.gradient < n.labelSegment.gradient) n.labelSegment = p.labelSegment;
}

void joinAgain(std::vector<ContourPolyline>& list, ContourPolyline grown, const JoinTolerance& t) {
    for (;;) {
        std::size_t k = 0;
        Pairing pairing = None;
        for (; k < list.size(); ++k)
            if ((pairing = pairingOf(list[k], grown, t)) != None) break;
        if (pairing == None) {
            list.push_back(std::move(grown));
            return;
        }
        ContourPolyline n = std::move(list[k]);
        list.erase(list.begin() + static_cast<long>(k));
        attach(n, grown, pairing);
        grown = std::move(n);
    }
}

} // namespace

std::vector<ContourPolyline> referenceJoin(const std::vector<ContourSegment>& pieces, double level,
                                           const JoinTolerance& t) {
    std::vector<ContourPolyline> list;
    for (const ContourSegment& s : pieces) {
        if (t.meets(s.a, s.b)) continue;
        ContourPolyline p{level, s.a, s.b, {s.a.x, s.a.y, s.b.x, s.b.y, s.gradient}, {s.a, s.b}};
        bool placed = false;
        for (std::size_t k = 0; k < list.size() && !placed; ++k) {
            if (discards(list[k], p)) {
                placed = true;
                break;
            }
            const Pairing pairing = pairingOf(list[k], p, t);
            if (pairing == None) continue;
            ContourPolyline n = std::move(list[k]);
            list.erase(list.begin() + static_cast<long>(k));
            attach(n, p, pairing);
            joinAgain(list, std::move(n), t);
            placed = true;
        }
        if (!placed) list.push_back(std::move(p));
    }
    return list;
}

} // namespace brelt::chart::test
