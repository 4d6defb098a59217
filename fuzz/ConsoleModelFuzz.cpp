// The console's model under any sequence of entries and clears: every entry reads back as it was
// appended (in Latin-1, the console's character set), the display shows line ends escaped, and
// Qt's model tester checks the model's signals and indexes after every change.
#include "app/ConsoleModel.h"
#include "fuzz/FuzzCheck.h"

#include <QAbstractItemModelTester>
#include <QString>
#include <QStringList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace vk220::app;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ConsoleModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QStringList expected;
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeProbability<double>() < 0.05) {
            model.Clear();
            expected.clear();
            continue;
        }
        const QString entry = QString::fromStdString(input.ConsumeRandomLengthString(64));
        model.Append(entry);
        expected << QString::fromLatin1(entry.toLatin1());
        FUZZ_CHECK(model.Count() == expected.size() && model.rowCount() == expected.size());
        const int row = input.ConsumeIntegralInRange<int>(0, static_cast<int>(expected.size()) - 1);
        FUZZ_CHECK(model.Entry(row) == expected.at(row));
        const QString shown = model.data(model.index(row), Qt::DisplayRole).toString();
        FUZZ_CHECK(!shown.contains(u'\r') && !shown.contains(u'\n'));
        FUZZ_CHECK(!model.index(static_cast<int>(expected.size())).isValid());
    }
    return 0;
}
