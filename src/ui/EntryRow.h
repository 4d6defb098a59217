#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vk220::ui {

// The manual entry of a setting, alike in every window: the entry line (named as given), the unit
// after it when there is one, and the "Set " button (`SetBut`). The window decides what Set does.
class EntryRow final : public QWidget {
    Q_OBJECT
public:
    EntryRow(const QString &entryName, const QString &unit, QWidget *parent = nullptr);

    QLineEdit &Entry() const { return *entry; }
    QPushButton &SetBut() const { return *setBut; }

private:
    QLineEdit *entry;
    QPushButton *setBut;
};

} // namespace vk220::ui
