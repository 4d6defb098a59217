#pragma once

#include "link/ExchangeReport.h"

#include <QByteArray>
#include <QString>

namespace vk220::link {

// One command line and the reply collected for it, from the write to its end.
struct LinkExchange {
    enum class Outcome { Complete, Fault, Endless };

    // What the status bar is told of the exchange once it is over.
    ExchangeReport Report() const {
        using enum ExchangeReport::End;
        if (outcome == Outcome::Complete)
            return {silent ? Silence : Replied, seconds};
        return {Failed, seconds};
    }

    QString command;
    QByteArray reply;
    double started = 0;
    bool sent = false;
    bool finished = false;
    // How it ended, set when it is completed (by itself or by a nested exchange).
    Outcome outcome = Outcome::Fault;
    bool silent = false;
    double seconds = 0;
};

} // namespace vk220::link
