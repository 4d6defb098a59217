#include "results/CertificateDocument.h"
#include "results/LabSettings.h"
#include "results/ResultStore.h"
#include "tests/results/RunFixtures.h"
#include "tests/support/ChildProcess.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vk220::results;
using namespace RunFixtures;

class CertificateTest : public QObject {
    Q_OBJECT

private slots:
    void CertificateCarriesEverythingOnEveryPage();
    void ProgramReprintsACertificateWithoutADisplay();
    void GuardBandNarrowsTheVerdict();

private:
    QTemporaryDir folder;
};

namespace {

const char *const LabFile = "name = Northfield Calibration Services\n"
                            "# the postal address\n"
                            "address = 12 Mill Lane\\nNorthfield NF1 2AB\n"
                            "accreditation = Accredited calibration laboratory No. 0421\n"
                            "logo = logo.png\n"
                            "certificate prefix = NCS\n";

// The text of a PDF, page after page, as pdftotext reads it.
QString PdfText(const QString &path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QStringLiteral("pdftotext failed: ") + pdftotext.readAllStandardError();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString LabFolder(const QTemporaryDir &folder, const QString &name) {
    const QString path = folder.filePath(name);
    QDir().mkpath(path);
    QFile settings(path + QStringLiteral("/lab.conf"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(LabFile);
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    logo.save(path + QStringLiteral("/logo.png"));
    return path;
}

} // namespace

// A run of 25 points as found and as left: the table flows onto a second page, each page says
// which of how many it is, and the laboratory, the item, the dates, the procedure, the
// environment, the standards and the statements every certificate makes are all there.
void CertificateTest::CertificateCarriesEverythingOnEveryPage() {
    const QString lab = LabFolder(folder, QStringLiteral("lab"));
    LabSettings settings;
    QString problem;
    QVERIFY2(ReadLabSettings(lab + QStringLiteral("/lab.conf"), &settings, &problem),
             qPrintable(problem));
    QCOMPARE(settings.address, QStringLiteral("12 Mill Lane\nNorthfield NF1 2AB"));
    QCOMPARE(settings.logo, lab + QStringLiteral("/logo.png"));
    QFile wrong(folder.filePath(QStringLiteral("wrong.conf")));
    QVERIFY(wrong.open(QIODevice::WriteOnly));
    wrong.write("name = X\ncolour = blue\n");
    wrong.close();
    LabSettings unread;
    QVERIFY(!ReadLabSettings(wrong.fileName(), &unread, &problem));
    QCOMPARE(problem, wrong.fileName() + QStringLiteral(":2: unknown key \"colour\""));
    ResultStore store(folder.filePath(QStringLiteral("certificate.sqlite")));
    QVERIFY(store.Open(&problem));
    const QString number = StoreRun(store, QStringLiteral("SN-7781"), 25, true, settings.prefix);
    QCOMPARE(number, QStringLiteral("NCS-2026-0001"));
    const CalibrationRun run = *store.RunByCertificate(number);
    const QString pdf = folder.filePath(QStringLiteral("certificate.pdf"));
    QVERIFY2(WriteCertificate(run, store.Points(run.id), settings, pdf, &problem),
             qPrintable(problem));

    const QString text = PdfText(pdf);
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(pages[0].contains("Page 1 of 2"), qPrintable(pages[0]));
    QVERIFY2(pages[1].contains("Page 2 of 2"), qPrintable(pages[1]));
    QVERIFY(pages[1].contains("Certificate NCS-2026-0001 (continued)"));
    // Each result a row of the table; the as-found table goes on over the page, under its
    // column heads again.
    const QRegularExpression row(
        QStringLiteral("^\\d+ +10 mA +10\\.05 mA +50 µA +9\\.9 mA +10\\.1 mA +PASS$"),
        QRegularExpression::MultilineOption);
    QCOMPARE(pages[0].count(row) + pages[1].count(row), 50);
    QVERIFY(pages[0].contains("Results as found") && !pages[0].contains("Results as left"));
    QVERIFY(pages[1].indexOf("Point") < pages[1].indexOf("Results as left"));
    for (const char *expected : {"Northfield Calibration Services",
                                 "12 Mill Lane",
                                 "Northfield NF1 2AB",
                                 "Accredited calibration laboratory No. 0421",
                                 "CALIBRATION CERTIFICATE",
                                 "Certificate number NCS-2026-0001",
                                 "Harbour Water Ltd",
                                 "Kestrel Thermal DM-87",
                                 "SN-7781",
                                 "A-SN-7781",
                                 "Date of calibration",
                                 "2026-12-10",
                                 "Date of issue",
                                 "PROC-MA revision C: Loop calibrator, 4 to 20 mA",
                                 "Temperature 22.5 °C, relative humidity 41 %",
                                 "Calibrator: CAL-9100 SN 123456 v2.1",
                                 "Adapter: VK220 SN 0042",
                                 "traceable to national measurement standards",
                                 "Results as found",
                                 "Results as left",
                                 "Low limit",
                                 "High limit",
                                 "Decision rule",
                                 "Simple acceptance",
                                 "The results relate only to the item calibrated.",
                                 "Calibrated by: J. Okonkwo",
                                 "Approved by"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

// The program writes a stored certificate again from the user's data folder, with no display;
// an unknown number is an error that names it.
void CertificateTest::ProgramReprintsACertificateWithoutADisplay() {
    const QString data = folder.filePath(QStringLiteral("data"));
    LabFolder(folder, QStringLiteral("data/vk220-panel"));
    {
        ResultStore store(data + QStringLiteral("/vk220-panel/results.sqlite"));
        QString problem;
        QVERIFY(store.Open(&problem));
        QCOMPARE(StoreRun(store, QStringLiteral("SN-1"), 3, false, QStringLiteral("NCS")),
                 QStringLiteral("NCS-2026-0001"));
    }
    QProcess panel;
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    panel.setProcessEnvironment(environment);
    panel.setWorkingDirectory(folder.path());

    panel.start(QStringLiteral(PANEL_PATH),
                {"--certificate", "NCS-2026-0001", "--output", "reprint.pdf"});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.exitCode(), 0);
    const QString text = PdfText(folder.filePath(QStringLiteral("reprint.pdf")));
    QVERIFY2(text.contains("Certificate number NCS-2026-0001"), qPrintable(text));
    QVERIFY(text.contains("Northfield Calibration Services"));
    QVERIFY(text.contains("Page 1 of 1"));

    panel.start(QStringLiteral(PANEL_PATH),
                {"--certificate", "NCS-2026-0002", "--output", "unknown.pdf"});
    QVERIFY(panel.waitForFinished(30000));
    QCOMPARE(panel.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(panel.readAllStandardError()),
             QStringLiteral("vk220-panel: no certificate NCS-2026-0002 in %1\n")
                 .arg(data + QStringLiteral("/vk220-panel/results.sqlite")));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("unknown.pdf"))));
}

// With a guard band, a reading within the limits but closer to one than the laboratory's
// uncertainty fails; the uncertainty is kept with the result and printed beside it, under the
// rule the run was judged by.
void CertificateTest::GuardBandNarrowsTheVerdict() {
    QFile file(folder.filePath(QStringLiteral("guard.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("guard band = yes\n"
               "uncertainty measurement = 0.5 % of reading\n"
               "uncertainty measurement up to 30 mA = 20 µA\n"
               "uncertainty measurement up to 1 V = 1 mV\n");
    file.close();
    LabSettings lab;
    QString problem;
    QVERIFY2(ReadLabSettings(file.fileName(), &lab, &problem), qPrintable(problem));
    QCOMPARE(lab.decisionRule, GuardBandRule);
    vk220::procedures::TestPoint point = Point();
    point.function = vk220::procedures::PointFunction::Measurement;
    QCOMPARE(lab.GuardOf(point), 20e-6);
    point.nominal = {0.05, QStringLiteral("A"), QStringLiteral("50 mA")};
    QCOMPARE(lab.GuardOf(point), 0.5 / 100 * 0.05);
    point = Point();
    point.function = vk220::procedures::PointFunction::Measurement;
    lab.guardBand = false;
    QCOMPARE(lab.GuardOf(point), 0.0);
    lab.guardBand = true;

    // 10.09 mA lies within 9.9 to 10.1 mA, but not within 9.92 to 10.08 mA.
    QCOMPARE(Judge(point, 0, Phase::AsFound, 0.01009, At(1)).verdict, Verdict::Pass);
    const PointResult judged = Judge(point, 0, Phase::AsFound, 0.01009, At(1), lab.GuardOf(point));
    QCOMPARE(judged.verdict, Verdict::Fail);
    QCOMPARE(judged.low, 0.0099);
    ResultStore store(folder.filePath(QStringLiteral("guard.sqlite")));
    QVERIFY(store.Open(&problem));
    CalibrationRun run = Run(QStringLiteral("SN-G"));
    run.decisionRule = lab.decisionRule;
    const qint64 id = store.StartRun(run, &problem);
    QVERIFY(store.RecordPoint(id, judged, &problem));
    const QString number = store.Complete(id, At(2), lab.prefix, &problem);
    QCOMPARE(store.Points(id).first().uncertainty, 20e-6);
    QCOMPARE(store.Run(id)->decisionRule, GuardBandRule);
    const QString pdf = folder.filePath(QStringLiteral("guard.pdf"));
    QVERIFY2(WriteCertificate(*store.Run(id), store.Points(id), LabSettings(), pdf, &problem),
             qPrintable(problem));
    const QString text = PdfText(pdf).simplified();
    QVERIFY2(text.contains("Uncertainty Verdict") && text.contains("20 µA FAIL"), qPrintable(text));
    QVERIFY(text.contains("Guard band: a result passes") && !text.contains("Simple acceptance"));

    // A line the laboratory got wrong names its place and what is wrong.
    QVERIFY(file.open(QIODevice::Append));
    file.write("uncertainty kettle = 1 V\n");
    file.close();
    QVERIFY(!ReadLabSettings(file.fileName(), &lab, &problem));
    QVERIFY2(
        problem.startsWith(file.fileName() + QStringLiteral(":5: \"kettle\" is no function (")),
        qPrintable(problem));
}

QTEST_MAIN(CertificateTest)
#include "CertificateTest.moc"
