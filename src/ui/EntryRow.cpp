#include "ui/EntryRow.h"

#include "ui/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vk220::ui {

EntryRow::EntryRow(const QString &entryName, const QString &unit, QWidget *parent)
    : QWidget(parent), entry(new QLineEdit(this)),
      setBut(new QPushButton(QStringLiteral("Set "), this)) {
    Controls::Name(*entry, entryName);
    Controls::Name(*setBut, QStringLiteral("SetBut"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(entry, 1);
    if (!unit.isEmpty())
        row->addWidget(new QLabel(unit, this));
    row->addWidget(setBut);
}

} // namespace vk220::ui
