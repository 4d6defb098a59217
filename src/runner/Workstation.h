#pragma once

#include "results/LabSettings.h"
#include "results/ResultStore.h"

#include <QString>

#include <functional>
#include <memory>

namespace vk220::ui {
class MessageBoxes;
} // namespace vk220::ui

namespace vk220::runner {

// What the procedure runner keeps for the whole run of the program (in ProgramState::Kept): where
// the results (a file, or the laboratory's server) and the laboratory's settings are, the results
// store once opened, and a procedure file asked for on the command line, which the runner takes
// when it opens. The bench's own files (the open run's procedure, the certificates) are kept
// beside the results file, or beside the spool of a server's results.
struct Workstation {
    static inline const QString ServerTitle = QStringLiteral("Results Server");

    QString storePath = results::ResultStore::DefaultPath();
    QString labPath = results::DefaultLabSettingsPath();
    QString pendingProcedure;

    // The laboratory's server's notices (once when it is lost, once when it is back) go to
    // `boxes` from now on, the first of them perhaps as the store opens; `boxes` outlives the
    // store. A second call changes nothing.
    void NoticesTo(ui::MessageBoxes &boxes);
    // The store, opened on first use; null with the reason when it cannot be opened.
    results::ResultStore *Store(QString *problem);
    // The results' place for the status indicator: the file, or the server with its state as last
    // seen; the server is not asked.
    QString StoreState();
    // Sends the results waiting on the bench when there are any: the server is tried again then,
    // which may take up to its connect timeout.
    void SendWaiting();
    // Whether the store holds a run left open, which the runner offers to resume.
    bool HasOpenRun();
    // The laboratory's settings; the defaults with the reason when the file cannot be read.
    results::LabSettings Lab(QString *problem) const;

    // The procedure file of the open run `run`, kept beside the store so that the run can be
    // taken up after a crash; empty when none is kept for it.
    QString OpenRunProcedure(qint64 run) const;
    void KeepOpenRunProcedure(qint64 run, const QString &path) const;
    // Where certificates are written: "certificates" beside the store.
    QString CertificatePath(const QString &number) const;

private:
    // The folder of the bench's own files.
    QString Folder() const;
    QString OpenRunFile() const;

    std::unique_ptr<results::ResultStore> store;
    std::function<void(const QString &)> notice;
};

} // namespace vk220::runner
