#include "platform/win32/temporary_file.h"

#include "platform/win32/interruption.h"

namespace dirnal::win32 {

HANDLE createTemporaryBeside(const std::wstring& target, DWORD access, DWORD attributes, std::wstring& name)
{
    const auto separator = target.find_last_of(L"\\/");
    const std::wstring directory = separator == std::wstring::npos ? std::wstring(L".") : target.substr(0, separator);
    for (int attempt = 0;; ++attempt) {
        std::wstring random(16, L'0');
        unsigned long long number = randomNumber();
        for (wchar_t& digit : random) {
            digit = L"0123456789abcdef"[number & 15];
            number >>= 4;
        }
        name = directory + L"\\.dirnal.lst." + random + L".tmp";
        const HANDLE file = ::CreateFileW(name.c_str(), access, FILE_SHARE_DELETE, nullptr, CREATE_NEW, attributes,
                                          nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS || attempt == 100)
            return file;
    }
}

}  // namespace dirnal::win32
