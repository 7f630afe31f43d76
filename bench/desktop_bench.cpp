// The desktop program's Calculate against the core's on the same case: water in water, both flows
// given, 200 m long (a high-NTU case of many passes). The window reads its boxes once,
// hands the case to the core and applies the outcome, so its time should stay close to the core's.
// Also the Study window's 1000-point length sweep of the worked example, from Run until the table
// and plot show the last point.
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "calc/casefile.h"
#include "calc/exchanger.h"
#include "platform/appdir.h"
#include "support/watercase.h"
#include "ui/mainwindow.h"
#include "ui/studywindow.h"

namespace {

const std::string kDataFolder = vorlan::QuestaDirectory() + "/data";

vorlan::CaseContents longWaterCase()
{
    vorlan::CaseContents form;
    vorlan::test::describeWaterCase(form, vorlan::test::Mode::L3);
    form.setText(vorlan::Quantity::Length, "200");
    return form;
}

void core(benchmark::State& state)
{
    const vorlan::CaseContents form = longWaterCase();
    vorlan::Exchanger exchanger(kDataFolder);
    for (auto _ : state) {
        const vorlan::CalcOutcome outcome = exchanger.calculate(form);
        if (!outcome.solution)
            state.SkipWithError(outcome.message.c_str());
    }
}

void desktop(benchmark::State& state)
{
    const std::string casePath = (std::filesystem::temp_directory_path() / "vorlan-desktop-bench.vorlan").string();
    vorlan::writeCaseFile(casePath, longWaterCase());
    int messages = 0;
    vorlan::MainWindow window(kDataFolder, {}, [&messages](const vorlan::Message&) { ++messages; });
    window.show();
    if (!window.openCase(QString::fromStdString(casePath)))
        state.SkipWithError("the case file could not be opened");
    std::filesystem::remove(casePath);
    for (auto _ : state) {
        window.calculate();
        QApplication::processEvents();
    }
    if (messages > 0)
        state.SkipWithError("Calculate showed a message");
    // The window must show what the core solves.
    vorlan::Exchanger exchanger(kDataFolder);
    const vorlan::CaseContents shown = window.caseContents();
    for (const vorlan::WriteBack& writeBack : exchanger.calculate(longWaterCase()).writeBacks)
        if (shown.text(writeBack.quantity) != writeBack.text)
            state.SkipWithError("the window shows another result than the core");
}

void study(benchmark::State& state)
{
    vorlan::MainWindow window(kDataFolder, {}, [](const vorlan::Message&) {});
    window.show();
    if (!window.openCase(VORLAN_EXAMPLE_CASE))
        state.SkipWithError("the example case could not be opened");
    window.showStudy();
    vorlan::StudyWindow* study = window.studyWindow();
    study->findChild<QLineEdit*>("sweepFrom")->setText("1");
    study->findChild<QLineEdit*>("sweepTo")->setText("100");
    study->findChild<QSpinBox*>("sweepPoints")->setValue(1000);
    for (auto _ : state) {
        study->run();
        while (study->isRunning())
            QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
        QApplication::processEvents(); // the last paint
    }
    if (study->rows().size() != 1000)
        state.SkipWithError("the study did not calculate 1000 points");
}

BENCHMARK(core)->Unit(benchmark::kMillisecond);
BENCHMARK(study)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(desktop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
