#include "chart/data/float_list.h"

#include <algorithm>

namespace brelt::chart {

void TFloatList::Add(double x) {
    if (m_items.empty()) {
        Min = x;
        Max = x;
    } else {
        Min = std::min(Min, x);
        Max = std::max(Max, x);
    }
    m_items.push_back(x);
}

void TFloatList::Clear() {
    m_items.clear();
    Min = 0;
    Max = 0;
}

} // namespace brelt::chart
