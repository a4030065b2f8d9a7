#include "Features.h"

#include "DocumentFeature.h"
#include "MainWindow.h"
#include "PrintFeature.h"
#include "ResetFeature.h"
#include "ScheduleExportFeature.h"

namespace kelvarin::app {

// One line per module, each given the narrow pieces it needs.
void installFeatures(MainWindow& window) {
    installResets(window.hooks().reset, window.session().calculators());
    installPrinting(window.hooks().file, window);
    installScheduleExport(window.hooks().file, window.session(), &window);
    installDocuments(window);
}

} // namespace kelvarin::app
