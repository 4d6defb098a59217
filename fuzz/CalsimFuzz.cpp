// calsim's command handling: any line gets a complete reply, with the completion marker at its
// end and nowhere else; the reply faults change that as they say.
#include "fuzz/FuzzCheck.h"
#include "sim/CalibratorSimulation.h"

#include <QByteArray>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

using namespace vk220::sim;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    SimulationFaults faults;
    faults.shortIdentification = input.ConsumeBool();
    faults.extraAfterMarker = input.ConsumeBool();
    faults.garbage = input.ConsumeProbability<double>() < 0.1;
    CalibratorSimulation simulation(faults, input.ConsumeIntegral<quint32>());
    const QByteArray marker(CalibratorSimulation::Marker);
    const QByteArray extra(CalibratorSimulation::ExtraAfterMarker);
    while (input.remaining_bytes() > 0) {
        const std::string line = input.ConsumeRandomLengthString(200);
        const QByteArray reply = simulation.Reply(QByteArray::fromStdString(line));
        if (faults.garbage) {
            FUZZ_CHECK(!reply.contains(marker) && !reply.isEmpty());
            continue;
        }
        const QByteArray ending = faults.extraAfterMarker ? marker + extra : marker;
        FUZZ_CHECK(reply.endsWith(ending));
        FUZZ_CHECK(reply.indexOf(marker) == reply.size() - ending.size());
    }
    return 0;
}
