#include "platform/qt/shell_exec.h"

#include <QDesktopServices>
#include <QUrl>

namespace dirnal {

bool ShellExec(const std::string& target, int /*windowStyle*/, const std::string& operation)
{
    if (operation != "open")
        return false;
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(target));
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace dirnal
