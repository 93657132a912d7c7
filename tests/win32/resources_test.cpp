// The resource script as Windows reads it: version information and the
// manifest's effects.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<BYTE> VersionBlock() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data())) block.clear();
    return block;
}

TEST(WindowsResources, VersionInformation) {
    std::vector<BYTE> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 4));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 4));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    struct Row {
        const wchar_t* name;
        const wchar_t* value;
    };
    for (const Row row : {Row{L"ProductName", L"Kalvex"}, Row{L"ProductVersion", L"4.0"}, Row{L"FileVersion", L"4.0"},
                          Row{L"OriginalFilename", L"Kalvex.exe"}}) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041004E4\\") + row.name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << static_cast<const void*>(row.name);
        EXPECT_EQ(std::wstring(value), row.value);
    }
}

// The manifest asks for the common controls of version 6: the process's
// activation context sends loads of comctl32.dll to them.
TEST(WindowsResources, ManifestBringsCommonControlsSix) {
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                         &redirection));

    HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                           SizeofResource(nullptr, manifest));
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("<dpiAwareness"), std::string::npos);
}

}  // namespace
