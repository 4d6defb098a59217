#include "app/ConsolePanel.h"

#include "app/ConsoleDelegate.h"
#include "app/ConsoleList.h"
#include "app/ConsoleModel.h"
#include "ui/Controls.h"
#include "ui/logic/MessageBoxes.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vk220::app {

ConsolePanel::ConsolePanel(ui::MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent), boxes(boxes), model(new ConsoleModel(this)), list(new ConsoleList),
      clipBut(new QPushButton(QStringLiteral("Copy To Clipboard"))),
      clearBut(new QPushButton(QStringLiteral("Clear Console Window"))),
      saveBut(new QPushButton(QStringLiteral("Save..."))) {
    ui::Controls::Name(*this, QStringLiteral("DebugPanel"));
    ui::Controls::Name(*list, QStringLiteral("DebugList"));
    ui::Controls::Name(*clipBut, QStringLiteral("ClipBut"));
    ui::Controls::Name(*clearBut, QStringLiteral("ClearBut"));
    ui::Controls::Name(*saveBut, QStringLiteral("SaveBut"));
    list->setModel(model);
    list->setItemDelegate(new ConsoleDelegate(list));
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, ui::Controls::Twips(200), 0);
    layout->addWidget(list, 1);
    layout->addWidget(clipBut);
    layout->addWidget(clearBut);
    layout->addWidget(saveBut);

    // The list follows the newest entry while it shows the end: scrolled back, it stays where
    // the operator looks until they scroll to the end again. Only a move of the list itself
    // decides; the end moving away as entries arrive does not.
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { following = value >= list->verticalScrollBar()->maximum(); });
    connect(list, &QListView::clicked, this, &ConsolePanel::CopySelected);
    connect(clipBut, &QPushButton::clicked, this, &ConsolePanel::CopySelected);
    connect(clearBut, &QPushButton::clicked, this, &ConsolePanel::AskClear);
    connect(saveBut, &QPushButton::clicked, this, &ConsolePanel::Save);
    chooseSaveFile = [this] {
        return QFileDialog::getSaveFileName(this, SaveTitle, QString(),
                                            QStringLiteral("Text files (*.txt)"));
    };
}

void ConsolePanel::Append(const QString &entry) {
    model->Append(entry);
}

void ConsolePanel::SelectLast() {
    const QModelIndex last = model->index(model->Count() - 1);
    if (following) {
        list->setCurrentIndex(last);
        list->scrollTo(last);
        return;
    }
    // Selected all the same, so that "Copy To Clipboard" takes the newest reply, but not shown:
    // the view would scroll to a new current entry by itself.
    list->setAutoScroll(false);
    list->setCurrentIndex(last);
    list->setAutoScroll(true);
}

void ConsolePanel::CopySelected() {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        clipboard->setText(model->Entry(selected.first().row()));
}

void ConsolePanel::AskClear() {
    if (boxes.Ask(QStringLiteral("Clear Console"), QStringLiteral("Clear console window?"))) {
        model->Clear();
        following = true;
    }
}

void ConsolePanel::Save() {
    const QString path = chooseSaveFile();
    if (!path.isEmpty())
        SaveTo(path);
}

bool ConsolePanel::SaveTo(const QString &path) {
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    for (int row = 0; written && row < model->Count(); ++row) {
        const QByteArray line =
            model->data(model->index(row), Qt::DisplayRole).toString().toLatin1() + "\r\n";
        written = file.write(line) == line.size();
    }
    // commit() does not see a failed flush of the last buffered lines (a full disk): the flush is
    // checked first, and on failure the new file is discarded and the old one stays.
    if (written && file.flush() && file.commit())
        return true;
    const QString reason = file.errorString();
    file.cancelWriting();
    boxes.Warn(SaveTitle,
               QStringLiteral("The console could not be saved to %1.\r\r%2").arg(path, reason));
    return false;
}

} // namespace vk220::app
