#pragma once

#include "workspace/RegionalSettings.h"

#include <QLocale>

namespace kelvarin::app {

// The regional number, currency and month settings of a locale, normalised (missing or
// clashing separators fall back to "$", "." and ",").
workspace::RegionalSettings regionalFromLocale(const QLocale& locale);

}  // namespace kelvarin::app
