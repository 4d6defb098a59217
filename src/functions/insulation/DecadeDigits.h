#pragma once

#include "functions/insulation/ResistanceDigits.h"

#include <QWidget>

class QLabel;

namespace vk220::ui {
class ButtonArray;
} // namespace vk220::ui

namespace vk220::insulation {

// The six decade digits of the resistance page, `DigitLab`, each with its spin buttons above
// (`AdjUp`) and below (`AdjDown`), the point and the unit. The digit captions are the setting:
// the page reads its digits here and writes them back.
class DecadeDigits final : public QWidget {
    Q_OBJECT
public:
    // The unit of the digits and of the manual entry.
    static inline const QString Unit = QStringLiteral("M\u03A9");

    explicit DecadeDigits(QWidget *parent);

    ResistanceDigits::Values Values() const;
    // Writes one digit's caption and draws it at once.
    void SetDigit(int index, const QString &caption);
    // Writes the digits that differ from those shown.
    void Show(const ResistanceDigits::Values &digits);
    // The digits as the operator reads them: "0010.00".
    QString Display() const;
    // The digits shown in grey while their masks are on their way, in black once sent.
    void ShowSent(bool sent);

signals:
    void UpClicked(int index);
    void DownClicked(int index);

private:
    QLabel &DigitLab(int index) const { return *digitLab.at(static_cast<size_t>(index)); }

    std::array<QLabel *, ResistanceDigits::Count> digitLab{};
};

} // namespace vk220::insulation
