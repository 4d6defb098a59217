#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace vk220::ui {

class SampleIndicator;

// The marks a polling window shows beside its reading, one above the other: "SMPL" (`SampleLab`)
// while a reading is under way, and "NO REPLY" (`NoReplyLab`) while the reading shown came with
// no reply (silence, a lost port, offline mode). The display rules still show such a reading as
// 0; the mark greys it so that nobody takes it for a measured 0, and the next answered reading
// clears both. Hidden marks keep their place, so the reading never moves.
class ReadingMarks final : public QWidget {
    Q_OBJECT
public:
    static inline const QColor NoReplyColour{176, 0, 0};
    // The text colour of a reading read from no reply.
    static inline const QColor GreyedColour{150, 150, 150};

    ReadingMarks(QLabel &reading, QWidget *parent);

    // Marks the reading as read from no reply, or clears the mark.
    void ShowAnswered(bool answered);
    bool NoReply() const;

    QLabel &SampleLab() const;

private:
    QLabel &reading;
    // The reading's own text colour, given back when a reply comes again.
    QColor readingColour;
    SampleIndicator *sampleLab;
    QLabel *noReplyLab;
};

} // namespace vk220::ui
