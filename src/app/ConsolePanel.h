#pragma once

#include <QWidget>

#include <functional>

class QListView;
class QPushButton;

namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::app {

class ConsoleModel;

// The console panel of the main window: every command line and reply of the link, two entries
// an exchange, written only while the panel is shown. Replies are grey and indented under their
// command lines, the interlock's notes brown (ConsoleModel, ConsoleDelegate), in a list that costs
// the same per entry however many it holds (ConsoleList). The list follows the newest entry
// unless the operator has scrolled back.
class ConsolePanel final : public QWidget {
    Q_OBJECT
public:
    ConsolePanel(ui::MessageBoxes &boxes, QWidget *parent = nullptr);

    void Append(const QString &entry);
    // Selects the newest entry, and shows it unless the operator has scrolled back.
    void SelectLast();
    // Whether the list follows the newest entry: it shows the end.
    bool Following() const { return following; }
    // Empties the clipboard, then puts the selected entry on it.
    void CopySelected();
    // Asks first; Yes empties the list.
    void AskClear();
    // Asks for a file and writes every entry to it, one a line as the list shows it.
    void Save();
    // Writes every entry to `path`, which is replaced only once written whole; false, after one
    // box, when that fails.
    bool SaveTo(const QString &path);

    static inline const QString SaveTitle = QStringLiteral("Save Console");

    // The file "Save..." writes; tests put a chosen file in place of the operator's.
    std::function<QString()> chooseSaveFile;

    ConsoleModel &Model() const { return *model; }

private:
    ui::MessageBoxes &boxes;
    ConsoleModel *model;
    QListView *list;
    QPushButton *clipBut;
    QPushButton *clearBut;
    QPushButton *saveBut;
    bool following = true;
};

} // namespace vk220::app
