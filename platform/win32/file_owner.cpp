#include "platform/win32/file_owner.h"

#include <windows.h>
#include <aclapi.h>

#include <vector>

#include "platform/win32/handle.h"

namespace dirnal::win32 {

namespace {

// The token's TOKEN_USER or TOKEN_OWNER; empty where it cannot be read.
std::vector<char> tokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS which)
{
    DWORD size = 0;
    ::GetTokenInformation(token, which, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (size == 0 || !::GetTokenInformation(token, which, buffer.data(), size, &size))
        buffer.clear();
    return buffer;
}

bool isThisUser(PSID owner)
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    const std::vector<char> user = tokenInformation(token, TokenUser);
    const std::vector<char> defaultOwner = tokenInformation(token, TokenOwner);
    ::CloseHandle(token);
    return (!user.empty() && ::EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid)) ||
           (!defaultOwner.empty() && ::EqualSid(owner, reinterpret_cast<const TOKEN_OWNER*>(defaultOwner.data())->Owner));
}

}  // namespace

bool ownedByThisUser(const std::wstring& path)
{
    const Handle file(::CreateFileW(path.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid())
        return false;
    DWORD flags = 0;
    if (::GetVolumeInformationByHandleW(file.get(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) &&
        !(flags & FILE_PERSISTENT_ACLS))
        return true;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(file.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                          &descriptor) != ERROR_SUCCESS)
        return false;
    const bool own = owner && isThisUser(owner);
    ::LocalFree(descriptor);
    return own;
}

}  // namespace dirnal::win32
