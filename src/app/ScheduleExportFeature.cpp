#include "ScheduleExportFeature.h"

#include "calculators/ScheduleCsv.h"
#include "calculators/Session.h"

#include <QFileDialog>
#include <QWidget>

namespace kelvarin::app {

void installScheduleExport(FileHooks& hooks, calculators::Session& session, QWidget* parent,
                           ChooseExportFile chooseFile) {
    if (!chooseFile)
        chooseFile = [parent] {
            return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Schedule as CSV"),
                                                QStringLiteral("schedule.csv"),
                                                QStringLiteral("CSV files (*.csv);;All files (*)"));
        };
    hooks.exportSchedule = [&session, chooseFile] {
        auto& ws = session.workspace();
        if (!ws.control(calculators::AmortizationSchedules::kExportCommand).enabled())
            return;
        const QString path = chooseFile();
        if (path.isEmpty())
            return;
        const auto& grid = session.calculators().amortizationSchedules().gridOnScreen();
        const workspace::WriteResult result =
            calculators::exportScheduleCsv(path.toStdString(), grid, ws.regional());
        if (!result)
            session.ui().message(result.message, workspace::MessageIcon::Error,
                                 workspace::MessageButtons::Ok);
    };
}

} // namespace kelvarin::app
