#pragma once
// Fails the running test when a modal dialog stays open, and closes it, so a widget test that
// forgot to answer a dialog fails at once instead of hanging the suite.
#include <QObject>
#include <QTimer>

namespace brelt::testing {

class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    explicit ModalWatchdog(int intervalMs = 2000, QObject* parent = nullptr);

private:
    void check();
    QTimer m_timer;
    QObject* m_lastSeen = nullptr; // a dialog seen at the previous tick; closed if still open
};

} // namespace brelt::testing
