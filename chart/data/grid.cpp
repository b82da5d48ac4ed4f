#include "chart/data/grid.h"

#include <algorithm>
#include <cassert>

namespace brelt::chart {

TVector::TVector(int n) : m_data(static_cast<size_t>(std::max(n, 0)), 0.0) {}

double TVector::get(int i) const {
    assert(i >= 1 && i <= size());
    return i >= 1 && i <= size() ? m_data[static_cast<size_t>(i - 1)] : 0.0;
}

void TVector::set(int i, double v) {
    assert(i >= 1 && i <= size());
    if (i < 1 || i > size()) return;
    m_data[static_cast<size_t>(i - 1)] = v;
    Min = std::min(Min, v);
    Max = std::max(Max, v);
}

TMatrix::TMatrix(int rows, int cols)
    : m_rows(std::max(rows, 0)), m_cols(std::max(cols, 0)),
      m_data(static_cast<size_t>(m_rows) * static_cast<size_t>(m_cols), 0.0) {}

double TMatrix::get(int i, int j) const {
    assert(inRange(i, j));
    if (!inRange(i, j)) return 0.0;
    return m_data[static_cast<size_t>(i - 1) + static_cast<size_t>(j - 1) * static_cast<size_t>(m_rows)];
}

void TMatrix::set(int i, int j, double v) {
    assert(inRange(i, j));
    if (!inRange(i, j)) return;
    m_data[static_cast<size_t>(i - 1) + static_cast<size_t>(j - 1) * static_cast<size_t>(m_rows)] = v;
    Min = std::min(Min, v);
    Max = std::max(Max, v);
}

} // namespace brelt::chart
