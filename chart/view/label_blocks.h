#pragma once
// The label blocks printed under a chart: "System LOGO" (always, "Brelt" and the date), the
// company logo "Owner LOGO", the project title "Project LOGO" and the comment. Each block is a few
// lines of text in its own font and justification, with an optional picture at its left. The user
// edits the company and project blocks and keeps them with "&Save": each in a section of the
// settings file named after the block, text lines as "Lines" and "Line1".."LineN" (a profile
// value holds one line), "Justify", "Picture" (the file) and the font keys "Font_Name"...
#include "chart/view/chart_font.h"

#include <QDate>
#include <QString>

class QPainter;
class QRect;

namespace brelt::chart {

class SettingsStore;

enum class LabelJustify { Left, Right, Center };

struct TLabelBlock {
    QString name; // the block's section: "System LOGO", "Owner LOGO", "Project LOGO", "Comment"
    QString text; // lines separated by '\n'
    TChartFont font{QStringLiteral("Arial"), 10};
    LabelJustify justify = LabelJustify::Left;
    QString pictureFile; // empty: no picture

    bool operator==(const TLabelBlock&) const = default;
};

struct LabelBlockSet {
    LabelBlockSet();
    TLabelBlock system;
    TLabelBlock owner;
    TLabelBlock project;
    TLabelBlock comment;
};

// "Brelt" over the date in the locale's long form; Arial 10, no style, no picture.
TLabelBlock systemLogoBlock(const QDate& date);

// The company, project and comment blocks as stored, and the system block for `today`.
LabelBlockSet loadLabelBlocks(const SettingsStore& store, const QDate& today);
void saveLabelBlocks(SettingsStore& store, const LabelBlockSet& blocks);
void loadLabelBlock(const SettingsStore& store, TLabelBlock& block);
void saveLabelBlock(SettingsStore& store, const TLabelBlock& block);

// "Left", "Right", "Center" and back (an unknown text is Left).
QString justifyText(LabelJustify justify);
LabelJustify justifyFromText(const QString& text);

// Paints the block into `slot`: the picture (if it loads) at the left scaled to the slot's height,
// the lines beside it justified, shrunk when they would not fit; a line of `outlineWidth` pixels
// frames the slot (0: no frame).
void drawLabelBlock(QPainter& painter, const QRect& slot, const TLabelBlock& block, int outlineWidth);

} // namespace brelt::chart
