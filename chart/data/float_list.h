#pragma once
// TFloatList: a list of reals with a running minimum and maximum (the first Add sets both).
// Put overwrites an item without touching Min and Max, as the fitting code expects.
#include <cstddef>
#include <vector>

namespace brelt::chart {

class TFloatList {
public:
    void Add(double x);
    double Get(int index) const { return m_items.at(static_cast<size_t>(index)); }
    void Put(int index, double x) { m_items.at(static_cast<size_t>(index)) = x; }
    void Clear();
    int Count() const { return static_cast<int>(m_items.size()); }

    double Min = 0;
    double Max = 0;

private:
    std::vector<double> m_items;
};

} // namespace brelt::chart
