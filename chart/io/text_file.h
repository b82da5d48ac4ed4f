#pragma once
// Text leaving the chart: lines ended by CR LF, and files written whole or not at all (the text
// goes to a temporary file beside the target, renamed over it only when everything was written).
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brelt::chart {

// Every line followed by CR LF.
QString crlfText(const QStringList& lines);

// Writes `bytes` to `path` atomically; false (with the reason in `error`) when anything failed, and
// the file that was there stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace brelt::chart
