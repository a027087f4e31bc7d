#include "platform/qt/shell_exec.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/win32/wide.h"
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace dirnal {

#ifdef _WIN32

bool ShellExec(const std::string& target, int windowStyle, const std::string& operation)
{
    const HINSTANCE result = ::ShellExecuteW(nullptr, win32::widen(operation).c_str(), win32::widen(target).c_str(),
                                             nullptr, nullptr, windowStyle);
    // A value above 32 is success; the smaller ones are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

#else

bool ShellExec(const std::string& target, int /*windowStyle*/, const std::string& operation)
{
    if (operation != "open")
        return false;
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(target));
    return url.isValid() && QDesktopServices::openUrl(url);
}

#endif

}  // namespace dirnal
