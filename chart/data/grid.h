#pragma once
// TVector and TMatrix: the grid of an f(X,Y) plot. Indexes start at 1; the matrix is stored
// column by column. Both keep their minimum and maximum up to date on every store. Out-of-range
// indexes are caught by assertions in debug builds and ignored (reads give 0) otherwise.
#include <vector>

namespace brelt::chart {

class TVector {
public:
    explicit TVector(int n = 0);
    int size() const { return static_cast<int>(m_data.size()); }
    double get(int i) const;
    void set(int i, double v);
    const double* data() const { return m_data.data(); } // element i at data()[i - 1]
    double Min = 1e38;
    double Max = -1e38;

private:
    std::vector<double> m_data;
};

class TMatrix {
public:
    TMatrix(int rows = 0, int cols = 0);
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    double get(int i, int j) const;
    void set(int i, int j, double v);
    const double* data() const { return m_data.data(); } // (i, j) at data()[(i - 1) + (j - 1) rows]
    double Min = 3e300;
    double Max = -3e300;

private:
    bool inRange(int i, int j) const { return i >= 1 && i <= m_rows && j >= 1 && j <= m_cols; }
    int m_rows = 0;
    int m_cols = 0;
    std::vector<double> m_data;
};

} // namespace brelt::chart
