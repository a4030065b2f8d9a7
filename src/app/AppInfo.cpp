#include "AppInfo.h"

#include <QFileInfo>

namespace kelvarin::app {

QString captionFor(const std::string& documentFileName) {
    if (documentFileName.empty())
        return QString::fromLatin1(kCaption);
    return QString::fromLatin1(kCaption) + QStringLiteral(" - ") +
           QFileInfo(QString::fromStdString(documentFileName)).fileName();
}

}  // namespace kelvarin::app
