#pragma once

#include "functions/terminal/logic/OutputPoint.h"

#include <QList>
#include <QObject>
#include <QTimer>

class QLabel;
class QPushButton;
class QWidget;

namespace vk220::ui {
class ButtonArray;
} // namespace vk220::ui

namespace vk220::terminal {

// The eleven `TermBut` buttons that choose where the adapter routes the output, in their groups:
// the coil row, the terminal column, the separate VOLTAGE TERMINALS button and the current paths
// with their label `CLab`, which flash (`CFlash`) while the operator has to pick one. The
// buttons' looks are the window's record of the selection, read back before every action.
class TerminalSelector final : public QObject {
    Q_OBJECT
public:
    static constexpr int FlashIntervalMs = 500;

    // The groups are created as children of `window`, which lays them out.
    explicit TerminalSelector(QWidget &window);

    ui::ButtonArray &TermBut() const { return *termBut; }
    const QTimer &CFlash() const { return cFlash; }

    QWidget &CoilRow() const { return *coilRow; }
    QWidget &TerminalColumn() const { return *terminalColumn; }
    QPushButton &VoltageTerminals() const;
    // The output terminals, the current paths under them, then the clamp coils.
    QList<QWidget *> InTabOrder() const;
    QWidget &CurrentPathGroup() const { return *currentPathGroup; }

    // The output point the selected colours record.
    OutputPoint Selection() const;
    // A coil of the coil row or TERMINALS (to 30A) shows selected.
    bool CurrentPathInUse() const;
    // The current paths that are enabled, in examination order.
    QList<int> EnabledPaths() const;

    // Every button loses its selected look (with `stopFlashing` the flashing stops too), then
    // the buttons of `point` are shown selected.
    void ShowSelection(OutputPoint point, bool stopFlashing);
    // Enables the current paths in `enabled`; the others are disabled with the button-face
    // colour. With `reselect` all four first lose their selected look and start flashing.
    void OfferPaths(const QList<int> &enabled, bool reselect);
    // Shows or hides CLab with the current paths.
    void ShowPaths(bool shown);
    // One tick of CFlash: the enabled current paths toggle between bold and normal weight.
    void Tick();
    void StopFlashing() { cFlash.stop(); }

private:
    ui::ButtonArray *termBut;
    QLabel *cLab;
    QTimer cFlash;
    QWidget *coilRow;
    QWidget *terminalColumn;
    QWidget *currentPathGroup;
};

} // namespace vk220::terminal
