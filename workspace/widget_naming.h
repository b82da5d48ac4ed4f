#pragma once
// Small helpers for building the main window's controls: every control gets its name as its
// objectName, so tests and the keyboard map find it by name.
#include <QBoxLayout>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

namespace brelt::workspace::widgets {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLineEdit* namedEdit(const char* name, QWidget* parent = nullptr) {
    return named(new QLineEdit(parent), name);
}

inline QButtonGroup* radioGroup(QWidget* owner, const char* name, const QStringList& captions,
                                QBoxLayout* layout) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i]);
        radio->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    return group;
}

} // namespace brelt::workspace::widgets
