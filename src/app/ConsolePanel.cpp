#include "ConsolePanel.h"

#include "ConsoleModel.h"
#include "Controls.h"
#include "MessageBoxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

ConsolePanel::ConsolePanel(MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent), boxes(boxes), model(new ConsoleModel(this)), list(new QListView),
      clipBut(new QPushButton(QStringLiteral("Copy To Clipboard"))),
      clearBut(new QPushButton(QStringLiteral("Clear Console Window"))) {
    Controls::Name(*this, QStringLiteral("DebugPanel"));
    Controls::Name(*list, QStringLiteral("DebugList"));
    Controls::Name(*clipBut, QStringLiteral("ClipBut"));
    Controls::Name(*clearBut, QStringLiteral("ClearBut"));
    list->setModel(model);
    // Uniform rows keep the layout cheap however long the list grows: no entry is asked its size.
    // One pass lays out every row, so that the newest has its place when it is scrolled to; in
    // batches, rows past the first batch had none and the view stopped following the newest.
    list->setUniformItemSizes(true);
    list->setLayoutMode(QListView::SinglePass);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, Controls::Twips(200), 0);
    layout->addWidget(list, 1);
    layout->addWidget(clipBut);
    layout->addWidget(clearBut);

    connect(list, &QListView::clicked, this, &ConsolePanel::CopySelected);
    connect(clipBut, &QPushButton::clicked, this, &ConsolePanel::CopySelected);
    connect(clearBut, &QPushButton::clicked, this, &ConsolePanel::AskClear);
}

void ConsolePanel::Append(const QString &entry) {
    model->Append(entry);
}

void ConsolePanel::SelectLast() {
    const QModelIndex last = model->index(model->Count() - 1);
    list->setCurrentIndex(last);
    list->scrollTo(last);
}

void ConsolePanel::CopySelected() {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        clipboard->setText(model->Entry(selected.first().row()));
}

void ConsolePanel::AskClear() {
    if (boxes.Ask(QStringLiteral("Clear Console"), QStringLiteral("Clear console window?")))
        model->Clear();
}
