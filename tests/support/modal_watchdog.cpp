#include "support/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

namespace brelt::testing {

ModalWatchdog::ModalWatchdog(int intervalMs, QObject* parent) : QObject(parent) {
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(intervalMs);
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        m_lastSeen = nullptr;
        return;
    }
    if (modal == m_lastSeen) {
        ADD_FAILURE() << "an unexpected modal dialog stayed open: " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\"";
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        m_lastSeen = nullptr;
        return;
    }
    m_lastSeen = modal;
}

} // namespace brelt::testing
