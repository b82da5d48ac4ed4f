#include "chart/vtchart/vt_dialogs.h"

#include <QBrush>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace brelt::chart {

VtGridTableModel::VtGridTableModel(TVtDataGrid grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(std::move(grid)) {}

void VtGridTableModel::setSize(int rows, int columns) {
    beginResetModel();
    m_grid.SetSize(rows, columns);
    endResetModel();
}

int VtGridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.RowCount() + 1;
}

int VtGridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.ColumnCount() + 1;
}

QVariant VtGridTableModel::data(const QModelIndex& index, int role) const {
    const int r = index.row();
    const int c = index.column();
    if (role == Qt::BackgroundRole && (r == 0 || c == 0)) return QBrush(QColor(236, 236, 236));
    if (role == Qt::TextAlignmentRole && r > 0 && c > 0)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (r == 0) return c == 0 ? QString() : m_grid.columnLabel(c);
    if (c == 0) return m_grid.rowLabel(r);
    const auto v = m_grid.value(r, c);
    return v ? cellText(*v) : QString();
}

bool VtGridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    const int r = index.row();
    const int c = index.column();
    const QString text = value.toString();
    if (r == 0 && c == 0) return false;
    if (r == 0)
        m_grid.setColumnLabel(c, text);
    else if (c == 0)
        m_grid.setRowLabel(r, text);
    else {
        const auto v = parseCellText(text);
        m_grid.SetData(r, c, v.value_or(0.0), !v);
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags VtGridTableModel::flags(const QModelIndex& index) const {
    if (index.row() == 0 && index.column() == 0) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant VtGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (section == 0)
        return orientation == Qt::Horizontal ? QStringLiteral("Row label") : QStringLiteral("Label");
    return section;
}

VtDataGridDialog::VtDataGridDialog(const TVtDataGrid& grid, QWidget* parent)
    : QDialog(parent), m_model(new VtGridTableModel(grid, this)), m_table(new QTableView),
      m_rows(new QSpinBox), m_columns(new QSpinBox) {
    setObjectName(QStringLiteral("VtDataGridDialog"));
    setWindowTitle(QStringLiteral("Data Grid"));
    m_rows->setObjectName(QStringLiteral("edRowCount"));
    m_columns->setObjectName(QStringLiteral("edColumnCount"));
    for (QSpinBox* box : {m_rows, m_columns})
        box->setRange(0, TVtDataGrid::kMaxCount);
    m_rows->setValue(grid.RowCount());
    m_columns->setValue(grid.ColumnCount());
    m_table->setObjectName(QStringLiteral("gridTable"));
    m_table->setModel(m_model);
    m_table->horizontalHeader()->setDefaultSectionSize(90);

    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(QStringLiteral("Rows:")));
    counts->addWidget(m_rows);
    counts->addSpacing(12);
    counts->addWidget(new QLabel(QStringLiteral("Columns:")));
    counts->addWidget(m_columns);
    counts->addStretch();
    auto* note = new QLabel(QStringLiteral("The top row holds the column labels, the left column the row "
                                           "labels. An empty cell is a gap in the chart."));
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counts);
    layout->addWidget(m_table, 1);
    layout->addWidget(note);
    layout->addWidget(buttons);
    resize(640, 420);

    // Counts apply when the field is left or Return is pressed, not at every digit typed.
    auto resizeGrid = [this] {
        if (m_rows->value() != m_model->grid().RowCount() ||
            m_columns->value() != m_model->grid().ColumnCount())
            m_model->setSize(m_rows->value(), m_columns->value());
        m_rows->setValue(m_model->grid().RowCount());
        m_columns->setValue(m_model->grid().ColumnCount());
    };
    connect(m_rows, &QSpinBox::editingFinished, this, resizeGrid);
    connect(m_columns, &QSpinBox::editingFinished, this, resizeGrid);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, resizeGrid] {
        resizeGrid();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace brelt::chart
