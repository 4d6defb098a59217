#include "functions/tachometer/TachoForm.h"

#include "tests/support/LoadedWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vk220::tachometer;

namespace {

const QStringList Opening{"p16777344", "p0", "R64", "F600", "S0"};
const QStringList Release{"p16777216", "p0", "R1/O0/S1/# PC Control"};
const RecordingMessageBoxes::Box Refusal = RecordingMessageBoxes::Information(
    QStringLiteral("Invalid RPM"), QStringLiteral("Valid RPM range is from 60 to 60000 RPM."));

} // namespace

class TachoFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void OpeningSetsTheDefaultSpeed();
    void SetButton_data();
    void SetButton();
    void EnterKeySetsTypedSpeeds();
    void EnterKeyIgnoresAnEmptyEntry();
    void CloseReleasesTheAdapter();
    void CloseDuringASettingWaitsForIt();
    void SetDuringASettingFollowsIt();
    void EntryShowsTheLongestSpeedWhole();
    void OutputOnLabelFollowsTheCalibrator();

private:
    QLineEdit &RPMText() const { return *window->findChild<QLineEdit *>("RPMText"); }
    QLabel &RPMLab() const { return *window->findChild<QLabel *>("RPMLab"); }
    QPushButton &SetBut() const { return *window->findChild<QPushButton *>("SetBut"); }
    QLabel &OutputOnLab() const { return *window->findChild<QLabel *>("OutputOnLab"); }

    std::unique_ptr<LoadedWindow<TachoForm>> loaded;
    FunctionRig *rig = nullptr;
    QPointer<TachoForm> window;
};

void TachoFormTest::init() {
    loaded = std::make_unique<LoadedWindow<TachoForm>>();
    rig = &loaded->rig;
    window = loaded->form;
}

void TachoFormTest::cleanup() {
    loaded.reset();
}

void TachoFormTest::OpeningSetsTheDefaultSpeed() {
    QCOMPARE(rig->host.placed, 1);
    QCOMPARE(rig->TakeWritten(), Opening);
    QCOMPARE(window->windowTitle(), QStringLiteral("TACHOMETER CALIBRATION FUNCTION"));
    QCOMPARE(RPMLab().text(), QStringLiteral("600RPM"));
    QCOMPARE(RPMText().text(), QString());
    QCOMPARE(SetBut().text(), QStringLiteral("Set "));
    QCOMPARE(window->CloseButton().text(), QStringLiteral("Close"));
    QStringList captions;
    for (const QLabel *label : window->findChildren<QLabel *>())
        captions.append(label->text());
    QCOMPARE(captions.count("RPM"), 2);
    QCOMPARE(captions.count("ENTER VALUE"), 1);
    QVERIFY(rig->boxes.shown.isEmpty());
    QVERIFY(rig->host.enabledCalls.isEmpty());
}

void TachoFormTest::SetButton_data() {
    QTest::addColumn<QString>("entry");
    // Empty when the entry is refused.
    QTest::addColumn<QString>("speed");

    QTest::newRow("lower limit") << "60"
                                 << "60";
    QTest::newRow("below lower limit") << "59.9"
                                       << "";
    QTest::newRow("upper limit") << "60000"
                                 << "60000";
    QTest::newRow("above upper limit") << "60000.5"
                                       << "";
    QTest::newRow("rounded down") << "65"
                                  << "60";
    QTest::newRow("a step") << "66"
                            << "66";
    QTest::newRow("fraction") << "1234.9"
                              << "1230";
    QTest::newRow("exponent") << "3e3"
                              << "3000";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks") << "  "
                            << "";
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("comma") << "25,5"
                           << "";
    QTest::newRow("blank inside") << "2 5"
                                  << "";
    QTest::newRow("minus alone") << "-"
                                 << "";
    QTest::newRow("minus zero") << "-0"
                                << "";
    QTest::newRow("overflow") << "1e999"
                              << "";
    QTest::newRow("very long") << QString(20000, QLatin1Char('7')) << "";
}

void TachoFormTest::SetButton() {
    QFETCH(QString, entry);
    QFETCH(QString, speed);
    rig->TakeWritten();
    RPMText().setText(entry);
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    if (speed.isEmpty()) {
        QCOMPARE(rig->TakeWritten(), QStringList());
        QCOMPARE(rig->boxes.shown, QList{Refusal});
        QCOMPARE(RPMText().text(), entry);
        QCOMPARE(RPMLab().text(), QStringLiteral("600RPM"));
    } else {
        QCOMPARE(rig->TakeWritten(), (QStringList{"R64", "F" + speed}));
        QVERIFY(rig->boxes.shown.isEmpty());
        QCOMPARE(RPMText().text(), QString());
        QCOMPARE(RPMLab().text(), speed + "RPM");
    }
}

void TachoFormTest::EnterKeySetsTypedSpeeds() {
    rig->TakeWritten();
    RPMText().setText("1234");
    QTest::keyClick(&RPMText(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), (QStringList{"R64", "F1230"}));
    QCOMPARE(RPMLab().text(), QStringLiteral("1230RPM"));
    QCOMPARE(RPMText().text(), QString());

    // Enter anywhere in the window, the keypad's Enter too.
    RPMText().setText("66");
    QTest::keyClick(&window->CloseButton(), Qt::Key_Enter);
    QCOMPARE(rig->TakeWritten(), (QStringList{"R64", "F66"}));
    QVERIFY(!window->IsUnloaded());

    // A typed entry that reads as no speed is refused like the button's.
    RPMText().setText("  ");
    QTest::keyClick(&RPMText(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QCOMPARE(rig->boxes.shown, QList{Refusal});
    QCOMPARE(RPMText().text(), QStringLiteral("  "));
    QCOMPARE(RPMLab().text(), QStringLiteral("66RPM"));
}

void TachoFormTest::EnterKeyIgnoresAnEmptyEntry() {
    rig->TakeWritten();
    RPMText().setText("600");
    QTest::keyClick(&RPMText(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), (QStringList{"R64", "F600"}));
    // The accepted setting emptied the entry: a second Enter does nothing.
    QTest::keyClick(&RPMText(), Qt::Key_Return);
    QTest::keyClick(&SetBut(), Qt::Key_Return);
    QCOMPARE(rig->TakeWritten(), QStringList());
    QVERIFY(rig->boxes.shown.isEmpty());
}

void TachoFormTest::CloseReleasesTheAdapter() {
    rig->TakeWritten();
    QTest::mouseClick(&window->CloseButton(), Qt::LeftButton);
    QCOMPARE(rig->TakeWritten(), Release);
    QCOMPARE(rig->host.enabledCalls, QList<bool>{true});
    QVERIFY(window->IsUnloaded());
    QVERIFY(!window->isVisible());
}

void TachoFormTest::CloseDuringASettingWaitsForIt() {
    rig->TakeWritten();
    // The link services clicks while it waits for the reply to "R64".
    rig->port.responder = [this](const QString &line) {
        if (line == QLatin1String("R64"))
            QMetaObject::invokeMethod(&window->CloseButton(), &QPushButton::click,
                                      Qt::QueuedConnection);
        return QList<FakeSerialPort::Chunk>{{0.05, FakeSerialPort::Marker}};
    };
    RPMText().setText("1200");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    // The setting is carried out whole, then the window closes.
    QCOMPARE(rig->TakeWritten(), QStringList({"R64", "F1200"}) + Release);
    QCOMPARE(rig->host.enabledCalls, QList<bool>{true});
}

void TachoFormTest::SetDuringASettingFollowsIt() {
    rig->TakeWritten();
    rig->DuringReplyTo(QStringLiteral("R64"), [this] {
        RPMText().setText("2000");
        QTest::mouseClick(&SetBut(), Qt::LeftButton);
    });
    RPMText().setText("1234");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    // The second setting waits for the first: the calibrator ends on the speed shown.
    QCOMPARE(rig->TakeWritten(), (QStringList{"R64", "F1230", "R64", "F1998"}));
    QCOMPARE(RPMLab().text(), QStringLiteral("1998RPM"));
}

void TachoFormTest::EntryShowsTheLongestSpeedWhole() {
    // "60000.5", the speed just above the limit, shows from its first digit with the cursor
    // after it: the line edit has not scrolled it.
    QTest::keyClicks(&RPMText(), QStringLiteral("60000.5"));
    const int text = RPMText().fontMetrics().horizontalAdvance(QStringLiteral("60000.5"));
    const QRect cursor = RPMText().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QVERIFY(cursor.center().x() >= text);
    QVERIFY(cursor.right() < RPMText().width());
}

void TachoFormTest::OutputOnLabelFollowsTheCalibrator() {
    // The opening switched the output on.
    QCOMPARE(OutputOnLab().text(), QStringLiteral("Output on"));
    QVERIFY(!OutputOnLab().isHidden());
    RPMText().setText("1234");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QVERIFY(!OutputOnLab().isHidden());

    // With the port lost on the way, whether the output is on is no longer known.
    rig->port.ioError = QStringLiteral("Device unplugged");
    RPMText().setText("2000");
    QTest::mouseClick(&SetBut(), Qt::LeftButton);
    QVERIFY(OutputOnLab().isHidden());
}

QTEST_MAIN(TachoFormTest)
#include "TachoFormTest.moc"
