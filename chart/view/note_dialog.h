#pragma once
// The note dialog of the chart's "Add text…" and of a note's "Edit…": a text note's text, angle,
// frame, font and colour, or an arrow's colour and pen width. Font and colour go through the UI
// services, so the dialog runs headlessly in tests.
#include "chart/view/graph_annotate.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace brelt::chart {

class TfmNote : public QDialog {
    Q_OBJECT
public:
    TfmNote(const TAnnotation& note, bool isNew, QWidget* parent);
    // The note as the fields now say.
    TAnnotation note() const;

    QLineEdit* edNoteText = nullptr;
    QDoubleSpinBox* edNoteAngle = nullptr;
    QCheckBox* chNoteFrame = nullptr;
    QSpinBox* udNoteWidth = nullptr;
    QPushButton* btNoteFont = nullptr;
    QPushButton* btNoteColor = nullptr;

private:
    void btNoteFontClick();
    void btNoteColorClick();

    TAnnotation m_note;
};

// Shows the dialog modally; true when the user pressed OK (the note then holds the changes).
bool editNoteInDialog(QWidget* parent, TAnnotation& note, bool isNew);

} // namespace brelt::chart
