#include "tests/win32/native_files.h"

#include <aclapi.h>  // after the Windows headers
#include <sddl.h>

namespace kalvex_test {

HeldOpen::HeldOpen(const std::filesystem::path& path)
    : m_handle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr)) {}

HeldOpen::~HeldOpen() {
    if (IsOpen()) CloseHandle(m_handle);
}

std::uint64_t FileIdOf(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return known ? (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
}

std::string DaclOf(const std::filesystem::path& path) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS) {
        return {};
    }
    char* text = nullptr;
    std::string dacl;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr)) {
        dacl = text;
        LocalFree(text);
    }
    LocalFree(descriptor);
    return dacl;
}

bool SetDacl(const std::filesystem::path& path, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
    std::wstring name = path.wstring();
    const bool set = SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                           DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                           nullptr, dacl, nullptr) == ERROR_SUCCESS;
    LocalFree(descriptor);
    return set;
}

std::filesystem::path ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

namespace {

std::wstring DefaultValue(const std::wstring& key, bool* exists) {
    HKEY opened = nullptr;
    *exists = RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS;
    if (!*exists) return L"";
    wchar_t value[256] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    const bool read = RegGetValueW(opened, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS;
    RegCloseKey(opened);
    return read ? value : L"";
}

void SetDefaultValue(const std::wstring& key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

ScopedFileType::ScopedFileType(const std::wstring& extension, const std::wstring& command) {
    const std::wstring open = L"\\shell\\open\\command";
    if (!extension.starts_with(L'.')) {
        m_key = extension + open;
        m_previous = DefaultValue(m_key, &m_existed);
        SetDefaultValue(m_key, command);
        return;
    }
    m_key = extension;
    m_type = L"KalvexTest" + extension;
    m_previous = DefaultValue(m_key, &m_existed);
    SetDefaultValue(m_key, m_type);
    if (!command.empty()) SetDefaultValue(m_type + open, command);
}

ScopedFileType::~ScopedFileType() {
    if (!m_type.empty()) RegDeleteTreeW(HKEY_CLASSES_ROOT, m_type.c_str());
    if (m_existed) {
        SetDefaultValue(m_key, m_previous);
    } else {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, m_key.c_str());
    }
}

}  // namespace kalvex_test
