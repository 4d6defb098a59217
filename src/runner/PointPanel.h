#pragma once

#include "results/RunRecords.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vk220::ui {
class ConnectionPicture;
} // namespace vk220::ui

namespace vk220::runner {

class RunSession;

// The page of a run: the point under way (its place, function and nominal, its limits, the
// technician's connection instruction with the adapter's outputs it concerns ringed), what the
// runner waits for, the reading entry and the result with its verdict, the run's buttons, and every
// point's verdict so far.
class PointPanel : public QWidget {
    Q_OBJECT
public:
    // What the runner waits for; it decides which buttons can be used.
    // Halted: the calibrator may have missed the point's lines; only Abort (or closing) is left.
    enum class Stage { Setting, AwaitPress, Settling, AwaitEntry, Measuring, Taken, Halted, Ended };

    PointPanel();

    // Shows the point the session stands at, and every result it holds.
    void ShowPoint(const RunSession &session);
    void ShowResults(const QList<results::PointResult> &results, int points);
    void ShowResult(const results::PointResult &result, const QString &spread = {});
    void SetStage(Stage stage, const QString &status);
    void SetStatus(const QString &status);

    QLabel &ReadingLab() const { return *readingLab; }
    QLineEdit &Entry() const { return *entry; }
    QLineEdit &Reason() const { return *reason; }
    QPushButton &OutputOnButton() const { return *outputOnBut; }
    QPushButton &AcceptButton() const { return *acceptBut; }
    QPushButton &RepeatButton() const { return *repeatBut; }
    QPushButton &SkipButton() const { return *skipBut; }
    QPushButton &AbortButton() const { return *abortBut; }
    QPushButton &NextButton() const { return *nextBut; }
    // A row for the reading marks and tools of the measuring points.
    QLayout &ToolsRow() const { return *toolsRow; }

private:
    QPushButton *Button(const QString &caption, const QString &name);

    QLabel *placeLab;
    QLabel *pointLab;
    QLabel *connectionLab;
    ui::ConnectionPicture *picture;
    QLabel *statusLab;
    QLabel *readingLab;
    QLabel *resultLab;
    QLineEdit *entry;
    QLineEdit *reason;
    QPushButton *outputOnBut;
    QPushButton *acceptBut;
    QPushButton *repeatBut;
    QPushButton *skipBut;
    QPushButton *abortBut;
    QPushButton *nextBut;
    QTableWidget *table;
    QLayout *toolsRow;
};

} // namespace vk220::runner
