// The version that CMake hands out reaches the version resource and the
// manifest of the program (the resource script is linked into this test).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TallvoxVersion.h"

namespace {

std::vector<char> OwnVersionBlock() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> block(::GetFileVersionInfoSizeA(path, &ignored));
    if (block.empty() || !::GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data())) block.clear();
    return block;
}

std::string StringValue(std::vector<char>& block, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\040904b0\\") + name;
    if (!::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text)
        return "<none>";
    return text;
}

}  // namespace

TEST(VersionInfo, ResourceCarriesTheProjectVersion) {
    std::vector<char> block = OwnVersionBlock();
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(TALLVOX_VERSION_STRING, StringValue(block, "FileVersion"));
    EXPECT_EQ(TALLVOX_VERSION_STRING, StringValue(block, "ProductVersion"));
    EXPECT_EQ("Copyright (C) 2026 The Tallvox authors. MIT License.", StringValue(block, "LegalCopyright"));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const DWORD high = MAKELONG(TALLVOX_VERSION_MINOR, TALLVOX_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, TALLVOX_VERSION_PATCH);
    EXPECT_EQ(high, fixed->dwFileVersionMS);
    EXPECT_EQ(low, fixed->dwFileVersionLS);
    EXPECT_EQ(high, fixed->dwProductVersionMS);
    EXPECT_EQ(low, fixed->dwProductVersionLS);
}

TEST(VersionInfo, ManifestNamesTheProjectVersion) {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(nullptr, found);
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    const std::string manifest(bytes, ::SizeofResource(nullptr, found));
    EXPECT_NE(std::string::npos,
              manifest.find("name=\"Tallvox\" version=\"" TALLVOX_VERSION_STRING ".0\""))
        << manifest;
}
