#pragma once

#include <QWidget>

class ConsoleModel;
class MessageBoxes;
class QListView;
class QPushButton;

// The console panel of the main window: every command line and reply of the link, two entries
// an exchange, written only while the panel is shown.
class ConsolePanel final : public QWidget {
    Q_OBJECT
public:
    ConsolePanel(MessageBoxes &boxes, QWidget *parent = nullptr);

    void Append(const QString &entry);
    void SelectLast();
    // Empties the clipboard, then puts the selected entry on it.
    void CopySelected();
    // Asks first; Yes empties the list.
    void AskClear();

    ConsoleModel &Model() const { return *model; }
    QListView &DebugList() const { return *list; }
    QPushButton &ClipBut() const { return *clipBut; }
    QPushButton &ClearBut() const { return *clearBut; }

private:
    MessageBoxes &boxes;
    ConsoleModel *model;
    QListView *list;
    QPushButton *clipBut;
    QPushButton *clearBut;
};
